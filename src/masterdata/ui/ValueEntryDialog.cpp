#include "masterdata/ui/ValueEntryDialog.h"

#include "data/Dataset.h"
#include "data/ui/Command.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"
#include "masterdata/ValueLists.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ValueEntryDialog::ValueEntryDialog(Dataset& dataset, const ValueList& list, const Texts& texts,
                                   QWidget* parent)
    : QDialog(parent), m_dataset(dataset), m_list(list), m_texts(texts) {
    setObjectName(texts.objectName);
    setModal(true);

    m_mode = new QLabel(this);
    m_mode->setObjectName(QStringLiteral("ST1"));
    m_mode->hide();

    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("Edit1"));
    m_box->setMinimumWidth(200);
    auto* label = new QLabel(texts.label, this);
    label->setBuddy(m_box);

    m_save = new QPushButton(QStringLiteral("保存"), this);
    m_save->setObjectName(QStringLiteral("BitBtn1"));
    m_close = new QPushButton(QStringLiteral("关闭"), this);
    m_close->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton* b : {m_save, m_close})
        b->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_box, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    connect(m_save, &QPushButton::clicked, this, &ValueEntryDialog::save);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    Keyboard::install(this, m_save, m_close);
    setMode(QStringLiteral("新增"));
}

void ValueEntryDialog::setMode(const QString& mode) {
    m_mode->setText(mode);
    const bool adding = mode == QStringLiteral("新增");
    setWindowTitle(adding ? m_texts.addTitle : m_texts.modifyTitle);
    if (adding)
        m_box->clear();
    else
        m_box->setText(m_dataset.text(m_list.field));
}

QString ValueEntryDialog::mode() const { return m_mode->text(); }

void ValueEntryDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_box->setFocus();
}

void ValueEntryDialog::save() {
    const bool adding = mode() == QStringLiteral("新增");
    ValueList::Result result = ValueList::Result::Saved;
    const bool done = runCommand(this, [&] {
        result = adding ? m_list.add(m_dataset, m_box->text())
                        : m_list.rename(m_dataset, m_box->text());
    });
    if (!done)
        return;
    switch (result) {
    case ValueList::Result::Empty:
        Messages::information(this, m_list.message(result));
        m_box->setFocus();
        return;
    case ValueList::Result::Duplicate:
        Messages::warning(this, m_list.message(result));
        m_box->setFocus();
        return;
    case ValueList::Result::Saved:
        break;
    }
    if (adding) {
        m_box->clear();
        m_box->setFocus();
    } else {
        accept();
    }
}

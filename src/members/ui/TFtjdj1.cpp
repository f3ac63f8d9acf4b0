#include "members/ui/TFtjdj1.h"

#include "data/DM1.h"
#include "data/ui/Command.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"
#include "data/ui/NumberBox.h"
#include "members/Levels.h"
#include "members/ui/MemberDialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TFtjdj1::TFtjdj1(TDM1& dm, QWidget* parent) : QDialog(parent), m_dm(dm) {
    setObjectName(QStringLiteral("TFtjdj1"));
    setWindowTitle(QStringLiteral("新增会员等级"));
    setModal(true);

    m_level = new QLineEdit(this);
    m_level->setObjectName(QStringLiteral("Edit1"));
    m_discount = new NumberBox(this);
    m_discount->setObjectName(QStringLiteral("Edit2"));
    m_discount->setEmptyText(QStringLiteral("1"));
    m_discount->setText(QStringLiteral("1"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("等级"), this), 0, 0);
    fields->addWidget(m_level, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("折扣"), this), 1, 0);
    fields->addWidget(m_discount, 1, 1);
    auto* note = new QLabel(QStringLiteral("格式：八折写成0.8"), this);
    note->setObjectName(QStringLiteral("Label3"));
    fields->addWidget(note, 2, 1);

    m_save = MemberDialogs::button(QStringLiteral("保存"), QStringLiteral("BitBtn1"), this);
    m_close = MemberDialogs::button(QStringLiteral("关闭"), QStringLiteral("BitBtn2"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(m_save, &QPushButton::clicked, this, [this] { save(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    Keyboard::install(this, m_save, m_close);
}

void TFtjdj1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_level->setFocus();
}

bool TFtjdj1::save() {
    // A lone point is no discount at all: the box falls back to what it shows when emptied.
    if (!m_discount->parsedValue())
        m_discount->setText(m_discount->emptyText());
    const Money discount = m_discount->roundToTwoDecimals();
    Levels::Outcome refusal;
    if (!runCommand(this, [&] {
            refusal = Levels::add(*m_dm.AQdj1, m_level->text(), discount);
        }))
        return false;
    if (refusal) {
        MemberDialogs::show(this, *refusal);
        m_level->setFocus();
        return false;
    }
    m_level->clear();
    m_discount->setText(QStringLiteral("1"));
    m_level->setFocus();
    return true;
}

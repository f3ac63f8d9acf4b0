#include "admin/ui/TFtjyh1.h"

#include "admin/Operators.h"
#include "data/DM1.h"
#include "data/ui/Command.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFtjyh1::TFtjyh1(TDM1& dm, QWidget* parent) : QDialog(parent), m_dm(dm) {
    setObjectName(QStringLiteral("TFtjyh1"));
    setModal(true);

    m_mode = new QLabel(this);
    m_mode->setObjectName(QStringLiteral("ST1"));
    m_mode->hide();

    m_nameLabel = new QLabel(QStringLiteral("用户名称"), this);
    m_nameLabel->setObjectName(QStringLiteral("ST2"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_name->setMinimumWidth(180);
    m_firstLabel = new QLabel(QStringLiteral("用户密码"), this);
    m_firstLabel->setObjectName(QStringLiteral("ST3"));
    m_first = new QLineEdit(this);
    m_first->setObjectName(QStringLiteral("Edit2"));
    m_secondLabel = new QLabel(QStringLiteral("密码确认"), this);
    m_secondLabel->setObjectName(QStringLiteral("ST4"));
    m_second = new QLineEdit(this);
    m_second->setObjectName(QStringLiteral("Edit3"));
    for (QLineEdit* e : {m_first, m_second}) {
        e->setEchoMode(QLineEdit::Password);
        e->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    }

    m_save = new QPushButton(QStringLiteral("保存"), this);
    m_save->setObjectName(QStringLiteral("BitBtn1"));
    m_close = new QPushButton(QStringLiteral("关闭"), this);
    m_close->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton* b : {m_save, m_close})
        b->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(m_nameLabel, 0, 0);
    fields->addWidget(m_name, 0, 1);
    fields->addWidget(m_firstLabel, 1, 0);
    fields->addWidget(m_first, 1, 1);
    fields->addWidget(m_secondLabel, 2, 0);
    fields->addWidget(m_second, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);
    auto* top = new QVBoxLayout(this);
    top->addLayout(fields);
    top->addLayout(buttons);

    connect(m_save, &QPushButton::clicked, this, &TFtjyh1::save);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    Keyboard::install(this, m_save, m_close);
    setMode(addMode());
}

void TFtjyh1::setMode(const QString& mode, const QString& operatorName) {
    m_mode->setText(mode);
    setWindowTitle(mode);
    const bool adding = mode == addMode();
    m_firstLabel->setText(adding ? QStringLiteral("用户密码") : QStringLiteral("原设密码"));
    m_secondLabel->setText(adding ? QStringLiteral("密码确认") : QStringLiteral("新设密码"));
    m_name->setText(operatorName);
    m_name->setReadOnly(!adding);
    m_first->clear();
    m_second->clear();
}

QString TFtjyh1::mode() const { return m_mode->text(); }

void TFtjyh1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (mode() == addMode())
        m_name->setFocus();
    else
        m_first->setFocus();
}

void TFtjyh1::changeMyPassword(TDM1& dm, const QString& operatorName, QWidget* parent) {
    TFtjyh1 dialog(dm, parent);
    dialog.setMode(ownPasswordMode(), operatorName);
    DialogRunner::exec(dialog);
}

void TFtjyh1::save() {
    if (mode() == addMode())
        saveNew();
    else if (mode() == modifyMode())
        saveModified();
    else if (mode() == ownPasswordMode())
        saveOwnPassword();
}

void TFtjyh1::saveNew() {
    Operators::AddResult result = Operators::AddResult::Added;
    const QString name = m_name->text().trimmed();
    if (!runCommand(this, [&] {
            result = Operators::add(m_dm.db(), name, m_first->text(), m_second->text());
        }))
        return;
    switch (result) {
    case Operators::AddResult::EmptyName:
        Messages::information(this, QStringLiteral("用户名称不可为空！"));
        m_name->setFocus();
        return;
    case Operators::AddResult::PasswordsDiffer:
        Messages::information(this, QStringLiteral("密码前后不一致！"));
        m_second->setFocus();
        return;
    case Operators::AddResult::DuplicateName:
        Messages::warning(this, QStringLiteral("用户名称不可重复！"));
        m_name->setFocus();
        return;
    case Operators::AddResult::Added:
        break;
    }
    // Show the new operator in the list behind the dialog, as its current row.
    Dataset& operators = *m_dm.AQyhsz1;
    if (operators.isOpen()) {
        runCommand(this, [&] {
            operators.requery();
            for (int r = operators.count() - 1; r >= 0; --r)
                if (operators.text(r, operators.fieldIndex(QStringLiteral("yhmc"))) == name) {
                    operators.setCurrentRow(r);
                    break;
                }
        });
    }
    m_name->clear();
    m_first->clear();
    m_second->clear();
    m_name->setFocus();
}

void TFtjyh1::saveModified() {
    Operators::Check result = Operators::Check::NoSuchOperator;
    Dataset& operators = *m_dm.AQyhsz1;
    if (!runCommand(this, [&] {
            // The operator shown in the dialog, even if the list moved meanwhile.
            const int row = operators.find(QStringLiteral("yhmc"), m_name->text());
            if (row < 0)
                return;
            operators.setCurrentRow(row);
            result = Operators::changePassword(operators, m_first->text(), m_second->text());
        }))
        return;
    switch (result) {
    case Operators::Check::WrongPassword:
        Messages::information(this, QStringLiteral("原密码录入错误！"));
        return;
    case Operators::Check::NoSuchOperator:
        return;
    case Operators::Check::Ok:
        Messages::information(this, QStringLiteral("修改成功！"));
        accept();
        return;
    }
}

void TFtjyh1::saveOwnPassword() {
    Operators::Check result = Operators::Check::NoSuchOperator;
    if (!runCommand(this, [&] {
            result = Operators::changeOwnPassword(*m_dm.AQyhsz1, m_name->text(), m_first->text(),
                                                  m_second->text());
        }))
        return;
    switch (result) {
    case Operators::Check::WrongPassword:
        Messages::information(this, QStringLiteral("原密码录入错误！"));
        return;
    case Operators::Check::NoSuchOperator:
        return;
    case Operators::Check::Ok:
        Messages::information(this, QStringLiteral("密码更改成功！"));
        accept();
        return;
    }
}

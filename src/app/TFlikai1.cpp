#include "app/TFlikai1.h"

#include "admin/Operators.h"
#include "data/DM1.h"
#include "data/ui/Command.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
std::function<void()>& endProgramHook() {
    static std::function<void()> hook;
    return hook;
}
} // namespace

void TFlikai1::setEndProgramHook(std::function<void()> hook) { endProgramHook() = std::move(hook); }

TFlikai1::TFlikai1(TDM1& dm, const QString& operatorName, QWidget* parent)
    : QDialog(parent), m_dm(dm) {
    setObjectName(QStringLiteral("TFlikai1"));
    setWindowTitle(QStringLiteral("本系统已被锁定，请输入用户密码，解除锁定"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* userLabel = new QLabel(QStringLiteral("当前用户"), this);
    m_user = new QLineEdit(operatorName, this);
    m_user->setObjectName(QStringLiteral("Edit1"));
    m_user->setReadOnly(true);
    m_user->setFocusPolicy(Qt::NoFocus);
    auto* passwordLabel = new QLabel(QStringLiteral("用户密码"), this);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("Edit2"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    m_password->setMinimumWidth(180);

    m_unlock = new QPushButton(QStringLiteral("解锁"), this);
    m_unlock->setObjectName(QStringLiteral("BitBtn1"));
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton* b : {m_unlock, m_cancel})
        b->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(userLabel, 0, 0);
    fields->addWidget(m_user, 0, 1);
    fields->addWidget(passwordLabel, 1, 0);
    fields->addWidget(m_password, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_unlock);
    buttons->addWidget(m_cancel);
    auto* top = new QVBoxLayout(this);
    top->addLayout(fields);
    top->addLayout(buttons);

    connect(m_unlock, &QPushButton::clicked, this, &TFlikai1::unlock);
    connect(m_cancel, &QPushButton::clicked, this, &TFlikai1::cancel);
    Keyboard::install(this, m_unlock, m_cancel);
    m_password->setFocus();
}

void TFlikai1::unlock() {
    Operators::Check result = Operators::Check::NoSuchOperator;
    if (!runCommand(this, [&] {
            result = Operators::checkPassword(*m_dm.AQyhsz1, m_user->text(), m_password->text());
        }))
        return;
    switch (result) {
    case Operators::Check::Ok:
        m_finishing = true;
        done(Accepted);
        m_finishing = false;
        return;
    case Operators::Check::WrongPassword:
        Messages::information(this, QStringLiteral("密码错误，不可解锁！"));
        return;
    case Operators::Check::NoSuchOperator:
        // The operator was deleted meanwhile: only 取消 leaves the window.
        return;
    }
}

void TFlikai1::cancel() {
    m_finishing = true;
    done(Rejected);
    m_finishing = false;
    Q_EMIT endProgramRequested();
    if (endProgramHook())
        endProgramHook()();
    else
        QCoreApplication::exit(0);
}

void TFlikai1::reject() {
    if (m_finishing)
        QDialog::reject();
}

void TFlikai1::closeEvent(QCloseEvent* event) {
    if (m_finishing)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

#include "app/TFdl1.h"

#include "admin/Operators.h"
#include "data/DM1.h"
#include "data/ui/Command.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char* const kMissingDatabase = "数据库文件丢失，软件无法运行，请重新复制本软件！";
}

TFdl1::TFdl1(TDM1& dm, QWidget* parent) : QDialog(parent), m_dm(dm) {
    setObjectName(QStringLiteral("TFdl1"));
    setWindowTitle(QStringLiteral("登录系统"));
    // No close box and no system menu: only 确定 and 取消 leave the window.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* userLabel = new QLabel(QStringLiteral("用户名称"), this);
    m_user = new QComboBox(this);
    m_user->setObjectName(QStringLiteral("ComboBox1"));
    m_user->setEditable(false);
    m_user->setMinimumWidth(180);
    userLabel->setBuddy(m_user);

    auto* passwordLabel = new QLabel(QStringLiteral("用户密码"), this);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("Edit1"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    passwordLabel->setBuddy(m_password);

    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("SpeedButton1"));
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("SpeedButton2"));
    for (QPushButton* b : {m_ok, m_cancel}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }

    auto* fields = new QGridLayout;
    fields->addWidget(userLabel, 0, 0);
    fields->addWidget(m_user, 0, 1);
    fields->addWidget(passwordLabel, 1, 0);
    fields->addWidget(m_password, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addLayout(buttons);
    auto* top = new QHBoxLayout(this);
    top->addWidget(picture);
    top->addLayout(right);

    connect(m_ok, &QPushButton::clicked, this, &TFdl1::logIn);
    connect(m_cancel, &QPushButton::clicked, this, [this] { finish(Rejected); });
    Keyboard::install(this, m_ok, m_cancel);
}

bool TFdl1::loadOperators() {
    m_loaded = true;
    m_password->clear();
    m_user->setFocus();
    m_user->clear();
    try {
        // In entry order: without "order by id" the engine may answer from the name index.
        m_dm.AQyhsz1->open(SqlText(
            {QStringLiteral("select yhmc from yhsz"), QStringLiteral("order by id")}, {}));
        for (int r = 0; r < m_dm.AQyhsz1->count(); ++r)
            m_user->addItem(m_dm.AQyhsz1->text(r, m_dm.AQyhsz1->fieldIndex(QStringLiteral("yhmc"))));
    } catch (const DbError&) {
        Messages::error(this, QString::fromUtf8(kMissingDatabase));
        // The window may still be on its way up inside exec(): reject once the loop runs.
        QTimer::singleShot(0, this, [this] { finish(Rejected); });
        return false;
    }
    m_user->setCurrentIndex(-1);
    return true;
}

void TFdl1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_loaded)
        loadOperators();
}

void TFdl1::logIn() {
    const QString name = m_user->currentText();
    if (name.trimmed().isEmpty()) {
        Messages::information(this, QStringLiteral("请选择用户名称！"));
        m_user->setFocus();
        return;
    }
    Operators::Check result = Operators::Check::NoSuchOperator;
    if (!runCommand(this, [&] { result = Operators::logIn(*m_dm.AQyhsz1, name, m_password->text()); }))
        return;
    switch (result) {
    case Operators::Check::NoSuchOperator:
        Messages::information(this, QStringLiteral("该用户不存在！"));
        return;
    case Operators::Check::WrongPassword:
        Messages::information(this, QStringLiteral("用户密码不正确！"));
        return;
    case Operators::Check::Ok:
        finish(Accepted);
        return;
    }
}

void TFdl1::finish(int result) {
    m_finishing = true;
    done(result);
    m_finishing = false;
}

void TFdl1::closeEvent(QCloseEvent* event) {
    // Alt+F4 and the like: swallowed.
    if (m_finishing)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

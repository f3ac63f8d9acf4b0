#include "admin/ui/TFquanxian1.h"

#include "admin/Operators.h"
#include "data/DM1.h"
#include "data/Schema.h"
#include "data/ui/Command.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFquanxian1::TFquanxian1(TDM1& dm, QWidget* parent) : QDialog(parent), m_dm(dm) {
    setObjectName(QStringLiteral("TFquanxian1"));
    setWindowTitle(QStringLiteral("权限设置"));
    setModal(true);

    auto* operatorLabel = new QLabel(QStringLiteral("选择操作员"), this);
    m_operator = new QComboBox(this);
    m_operator->setObjectName(QStringLiteral("ComboBox1"));
    m_operator->setEditable(false);
    m_operator->setMinimumWidth(180);
    operatorLabel->setBuddy(m_operator);

    // Three columns of three, in the order the permissions are written.
    auto* group = new QGroupBox(QStringLiteral("选择权限"), this);
    auto* grid = new QGridLayout(group);
    const QStringList& names = Schema::permissionNames();
    for (int i = 0; i < names.size(); ++i) {
        auto* box = new QCheckBox(names[i], group);
        box->setObjectName(QStringLiteral("CB%1").arg(i + 1));
        grid->addWidget(box, i % 3, i / 3);
        m_boxes << box;
    }

    auto* all = new QPushButton(QStringLiteral("全选"), this);
    all->setObjectName(QStringLiteral("BitBtn2"));
    auto* none = new QPushButton(QStringLiteral("全否"), this);
    none->setObjectName(QStringLiteral("BitBtn3"));
    auto* grant = new QPushButton(QStringLiteral("授权"), this);
    grant->setObjectName(QStringLiteral("BitBtn1"));
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("BitBtn4"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {all, none, grant, close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }

    auto* chooser = new QHBoxLayout;
    chooser->addWidget(operatorLabel);
    chooser->addWidget(m_operator, 1);
    auto* top = new QVBoxLayout(this);
    top->addLayout(chooser);
    top->addWidget(group);
    top->addLayout(buttons);

    connect(m_operator, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            showPermissions();
    });
    connect(all, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(grant, &QPushButton::clicked, this, &TFquanxian1::grant);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    Keyboard::install(this, nullptr, close);
}

void TFquanxian1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_loaded)
        loadOperators();
}

void TFquanxian1::loadOperators() {
    m_loaded = true;
    runCommand(this, [this] {
        const QStringList names = Operators::names(m_dm.db());
        const QSignalBlocker quiet(m_operator);
        m_operator->clear();
        m_operator->addItems(names);
        m_operator->setCurrentIndex(-1);
    });
    m_operator->setFocus();
}

void TFquanxian1::showPermissions() {
    const QString name = m_operator->currentText();
    runCommand(this, [&] {
        const QStringList held = Operators::permissions(m_dm.db(), name);
        for (QCheckBox* box : m_boxes)
            box->setChecked(held.contains(box->text()));
    });
}

void TFquanxian1::tickAll(bool on) {
    for (QCheckBox* box : m_boxes)
        box->setChecked(on);
}

void TFquanxian1::grant() {
    const QString name = m_operator->currentText().trimmed();
    if (name.isEmpty()) {
        Messages::information(this, QStringLiteral("操作员不可为空！"));
        m_operator->setFocus();
        return;
    }
    if (name == Operators::administrator()) {
        Messages::warning(this, QStringLiteral("不可更改系统管理员权限！"));
        m_operator->setFocus();
        return;
    }
    QStringList ticked;
    for (QCheckBox* box : m_boxes)
        if (box->isChecked())
            ticked << box->text().trimmed();
    Operators::GrantResult result = Operators::GrantResult::NoOperator;
    if (!runCommand(this, [&] { result = Operators::grant(m_dm.db(), name, ticked); }))
        return;
    if (result == Operators::GrantResult::Granted)
        Messages::information(this, QStringLiteral("权限设置成功！"));
}

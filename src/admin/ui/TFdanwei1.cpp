#include "admin/ui/TFdanwei1.h"

#include "data/DM1.h"
#include "data/ui/Command.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// The boxes in number order (Edit1 .. Edit12) and the fields they show.
QString ShopInfo::*const BoxFields[12] = {
    &ShopInfo::mczc, &ShopInfo::mcdy, &ShopInfo::lxr,   &ShopInfo::dh,
    &ShopInfo::cz,   &ShopInfo::dz,   &ShopInfo::bz1,   &ShopInfo::bz2,
    &ShopInfo::dybz1, &ShopInfo::dybz2, &ShopInfo::dybz3, &ShopInfo::dybz4};

// Radio buttons RB1 .. RB5, in the order of ShopInfo::printerChoices().
const char* const RadioCaptions[5] = {
    "并口打印小票（不需安装打印驱动）", "打印销售单据（普通针式打印机）",
    "暂时不打印（电脑上没有打印机）", "USB口打印小票1（需要安装打印驱动）",
    "USB口打印小票2（需要安装打印驱动）"};

} // namespace

TFdanwei1::TFdanwei1(TDM1& dm, QWidget* parent) : QDialog(parent), m_dm(dm) {
    setObjectName(QStringLiteral("TFdanwei1"));
    setWindowTitle(QStringLiteral("填写店铺信息"));

    for (int i = 0; i < 12; ++i) {
        m_edits[i] = new QLineEdit(this);
        m_edits[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        m_edits[i]->setMinimumWidth(220);
    }

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    // Left column: 1 3 5 7, right column: 2 4 6 8, each with its label.
    const char* labels[8] = {"店铺名称", "打印抬头", "负责人", "电话", "传真", "地址", "备注1", "备注2"};
    for (int i = 0; i < 8; ++i) {
        const int row = i / 2, col = (i % 2) * 2;
        auto* label = new QLabel(QString::fromUtf8(labels[i]), this);
        label->setBuddy(m_edits[i]);
        fields->addWidget(label, row, col, Qt::AlignRight);
        fields->addWidget(m_edits[i], row, col + 1);
    }
    fields->addWidget(new QLabel(QStringLiteral("销售单据脚注（上下2行）"), this), 4, 1);
    fields->addWidget(new QLabel(QStringLiteral("销售小票脚注（上下2行）"), this), 4, 3);
    fields->addWidget(m_edits[8], 5, 1);
    fields->addWidget(m_edits[10], 5, 3);
    fields->addWidget(m_edits[9], 6, 1);
    fields->addWidget(m_edits[11], 6, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto* group = new QGroupBox(QStringLiteral("打印机设置"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* radios = new QGridLayout(group);
    auto* exclusive = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        m_radios[i] = new QRadioButton(QString::fromUtf8(RadioCaptions[i]), group);
        m_radios[i]->setObjectName(QStringLiteral("RB%1").arg(i + 1));
        exclusive->addButton(m_radios[i], i);
    }
    radios->addWidget(m_radios[0], 0, 0);
    radios->addWidget(m_radios[1], 0, 1);
    radios->addWidget(m_radios[3], 1, 0);
    radios->addWidget(m_radios[2], 1, 1);
    radios->addWidget(m_radios[4], 2, 0);
    auto* hint = new QLabel(QStringLiteral("（串口小票打印机，选择USB口打印小票）"), group);
    hint->setObjectName(QStringLiteral("Label13"));
    radios->addWidget(hint, 2, 1);
    m_radios[2]->setChecked(true);

    m_save = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                             QStringLiteral("保存"), this);
    m_save->setObjectName(QStringLiteral("BitBtn1"));
    m_close = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                              QStringLiteral("关闭"), this);
    m_close->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton* b : {m_save, m_close}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(90);
    }
    connect(m_save, &QPushButton::clicked, this, &TFdanwei1::save);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addSpacing(24);
    buttons->addWidget(m_close);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addWidget(group);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    // Enter walks the boxes in number order.
    for (int i = 0; i + 1 < 12; ++i)
        setTabOrder(m_edits[i], m_edits[i + 1]);
    setTabOrder(m_edits[11], m_radios[0]);
    Keyboard::install(this, nullptr, m_close);
}

void TFdanwei1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_loaded)
        load();
}

void TFdanwei1::load() {
    m_loaded = true;
    ShopInfo info;
    if (!runCommand(this, [&] { info = ShopInfo::load(m_dm); }))
        return;
    for (int i = 0; i < 12; ++i)
        m_edits[i]->setText(info.*BoxFields[i]);
    // Another text in dy leaves the radio buttons as they are.
    const int choice = ShopInfo::printerChoices().indexOf(info.dy);
    if (choice >= 0)
        m_radios[choice]->setChecked(true);
    m_edits[0]->setFocus();
}

ShopInfo TFdanwei1::boxes() const {
    ShopInfo info;
    for (int i = 0; i < 12; ++i)
        info.*BoxFields[i] = m_edits[i]->text();
    for (int i = 0; i < 5; ++i)
        if (m_radios[i]->isChecked())
            info.dy = ShopInfo::printerChoices()[i];
    return info;
}

void TFdanwei1::save() {
    if (m_edits[0]->text().trimmed().isEmpty()) {
        Messages::information(this, QStringLiteral("店铺名称不可为空！"));
        m_edits[0]->setFocus();
        return;
    }
    if (m_edits[1]->text().isEmpty()) {
        Messages::information(this, QStringLiteral("打印抬头不可为空！"));
        m_edits[1]->setFocus();
        return;
    }
    const ShopInfo info = boxes();
    if (runCommand(this, [&] { ShopInfo::save(m_dm, info); }))
        accept();
}

void TFdanwei1::done(int result) {
    QDialog::done(result);
    QString name;
    try {
        name = m_dm.danwei().text(QStringLiteral("mczc"));
    } catch (const DbError&) {
        return; // the title keeps what it shows
    }
    emit shopNameShown(name);
}

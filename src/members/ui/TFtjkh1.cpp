#include "members/ui/TFtjkh1.h"

#include "data/DM1.h"
#include "data/ui/Command.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Keyboard.h"
#include "data/ui/NumberBox.h"
#include "data/ui/PickerBox.h"
#include "members/Members.h"
#include "members/ui/MemberDialogs.h"
#include "members/ui/TFdj1.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLineEdit* textBox(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMinimumWidth(150);
    return e;
}

// Digits and points only, as the birth date and postal code boxes take them.
void digitsAndPoints(QLineEdit* box, int maxLength) {
    box->setMaxLength(maxLength);
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), box));
}

} // namespace

TFtjkh1::TFtjkh1(TDM1& dm, QWidget* parent) : QDialog(parent), m_dm(dm) {
    setObjectName(QStringLiteral("TFtjkh1"));
    setModal(true);

    m_mode = new QLabel(this);
    m_mode->setObjectName(QStringLiteral("ST1"));
    m_mode->hide();

    m_bm = textBox(QStringLiteral("bm"), this);
    m_mc = textBox(QStringLiteral("mc"), this);
    m_xb = new QComboBox(this);
    m_xb->setObjectName(QStringLiteral("xb"));
    m_xb->addItems({QStringLiteral("男"), QStringLiteral("女")});
    m_csrq = textBox(QStringLiteral("csrq"), this);
    digitsAndPoints(m_csrq, 8);
    m_zj = textBox(QStringLiteral("zj"), this);
    m_yb = textBox(QStringLiteral("yb"), this);
    digitsAndPoints(m_yb, 6);
    m_lxdh = textBox(QStringLiteral("lxdh"), this);
    m_lxdz = textBox(QStringLiteral("lxdz"), this);

    m_dj = new PickerBox(this);
    m_dj->setObjectName(QStringLiteral("dj"));
    m_dj->setPlaceholderText(QStringLiteral("选择等级"));
    m_dj->setToolTip(QStringLiteral("选择等级"));
    m_pickLevel = new QToolButton(this);
    m_pickLevel->setObjectName(QStringLiteral("SpeedButton1"));
    m_pickLevel->setText(QStringLiteral("…"));
    m_pickLevel->setToolTip(QStringLiteral("选择等级"));
    m_pickLevel->setFocusPolicy(Qt::NoFocus);
    m_dj->setButton(m_pickLevel);
    // The discount is a copy of the chosen level's; nobody types it, and Enter passes it by.
    m_zk = textBox(QStringLiteral("zk"), this);
    m_zk->setReadOnly(true);
    m_zk->setFocusPolicy(Qt::NoFocus);
    m_zk->setPlaceholderText(QStringLiteral("会员折扣"));
    m_zk->setToolTip(QStringLiteral("会员折扣"));
    m_zk->setMinimumWidth(60);
    QPalette cream = m_zk->palette();
    cream.setColor(QPalette::Base, PickerBox::cream());
    m_zk->setPalette(cream);

    m_zjf = new NumberBox(this);
    m_zjf->setObjectName(QStringLiteral("zjf"));
    m_zxf = new NumberBox(this);
    m_zxf->setObjectName(QStringLiteral("zxf"));
    m_bz = textBox(QStringLiteral("bz"), this);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    int row = 0;
    auto addPair = [&](const QString& label, QWidget* box, int column, QWidget* extra = nullptr) {
        fields->addWidget(new QLabel(label, this), row, column * 3, Qt::AlignRight);
        if (extra) {
            auto* line = new QHBoxLayout;
            line->setSpacing(4);
            line->addWidget(box, 1);
            line->addWidget(extra);
            fields->addLayout(line, row, column * 3 + 1);
        } else {
            fields->addWidget(box, row, column * 3 + 1);
        }
    };
    addPair(QStringLiteral("会员卡号"), m_bm, 0);
    addPair(QStringLiteral("会员姓名"), m_mc, 1);
    ++row;
    addPair(QStringLiteral("会员性别"), m_xb, 0);
    auto* csrqNote = new QLabel(QStringLiteral("格式：19810205"), this);
    csrqNote->setObjectName(QStringLiteral("Label14"));
    addPair(QStringLiteral("出生日期"), m_csrq, 1, csrqNote);
    ++row;
    addPair(QStringLiteral("证件编码"), m_zj, 0);
    addPair(QStringLiteral("邮政编码"), m_yb, 1);
    ++row;
    addPair(QStringLiteral("联系方式"), m_lxdh, 0);
    addPair(QStringLiteral("联系地址"), m_lxdz, 1);
    ++row;
    {
        auto* level = new QHBoxLayout;
        level->setSpacing(4);
        level->addWidget(m_dj, 1);
        level->addWidget(m_pickLevel);
        level->addWidget(m_zk);
        fields->addWidget(new QLabel(QStringLiteral("会员等级"), this), row, 0, Qt::AlignRight);
        fields->addLayout(level, row, 1);
    }
    ++row;
    addPair(QStringLiteral("总积分"), m_zjf, 0);
    addPair(QStringLiteral("总消费"), m_zxf, 1);
    ++row;
    fields->addWidget(new QLabel(QStringLiteral("备注说明"), this), row, 0, Qt::AlignRight);
    fields->addWidget(m_bz, row, 1, 1, 4);
    fields->setColumnMinimumWidth(2, 12);

    m_save = MemberDialogs::button(QStringLiteral("保存"), QStringLiteral("BitBtn1"), this);
    m_close = MemberDialogs::button(QStringLiteral("关闭"), QStringLiteral("BitBtn2"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    const QList<QWidget*> order = {m_bm,   m_mc,   m_xb, m_csrq, m_zj,  m_yb,   m_lxdh,
                                   m_lxdz, m_dj,   m_zjf, m_zxf, m_bz,  m_save, m_close};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_save, &QPushButton::clicked, this, [this] { save(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_dj, &PickerBox::pickRequested, this, &TFtjkh1::pickLevel);
    m_dj->attach(Keyboard::install(this, m_save, m_close));

    setMode(addMode());
}

void TFtjkh1::setMode(const QString& mode) {
    m_mode->setText(mode);
    setWindowTitle(mode + QStringLiteral("会员资料"));
    if (mode == modifyMode())
        fillFromCurrent();
    else
        setDefaults();
}

QString TFtjkh1::mode() const { return m_mode->text(); }

void TFtjkh1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_bm->setFocus();
}

void TFtjkh1::setDefaults() {
    for (QLineEdit* e : {m_bm, m_mc, m_csrq, m_zj, m_yb, m_lxdh, m_lxdz, static_cast<QLineEdit*>(m_dj), m_bz})
        e->clear();
    m_xb->setCurrentText(QStringLiteral("女"));
    m_zk->setText(QStringLiteral("1"));
    m_zjf->setText(QStringLiteral("0"));
    m_zxf->setText(QStringLiteral("0"));
}

void TFtjkh1::fillFromCurrent() {
    const Dataset& kh = *m_dm.AQkh1;
    const auto text = [&](const char* field) { return kh.text(QString::fromLatin1(field)); };
    m_bm->setText(text("bm"));
    m_mc->setText(text("mc"));
    // A sex that is neither choice (an imported row) shows as none; saving then asks for one.
    m_xb->setCurrentIndex(m_xb->findText(text("xb")));
    m_csrq->setText(text("csrq"));
    m_zj->setText(text("zj"));
    m_yb->setText(text("yb"));
    m_lxdh->setText(text("lxdh"));
    m_lxdz->setText(text("lxdz"));
    m_dj->setText(text("dj"));
    m_zk->setText(kh.money(QStringLiteral("zk")).toShortString());
    m_zjf->setValue(kh.money(QStringLiteral("zjf")));
    m_zxf->setValue(kh.money(QStringLiteral("zxf")));
    m_bz->setText(text("bz"));
}

void TFtjkh1::pickLevel() {
    bool chosen = false;
    TFdj1 levels(m_dm, this, [&](const QString& level, Money discount) {
        m_dj->setText(level);
        m_zk->setText(discount.toShortString());
        chosen = true;
    });
    DialogRunner::exec(levels);
    if (chosen)
        m_zjf->setFocus();
    else
        m_dj->setFocus();
}

bool TFtjkh1::save() {
    Members::Input in;
    in.zjf = m_zjf->roundToTwoDecimals();
    in.zxf = m_zxf->roundToTwoDecimals();
    in.bm = m_bm->text();
    in.mc = m_mc->text();
    in.xb = m_xb->currentText();
    in.csrq = m_csrq->text();
    in.zj = m_zj->text();
    in.yb = m_yb->text();
    in.lxdh = m_lxdh->text();
    in.lxdz = m_lxdz->text();
    in.dj = m_dj->text();
    in.zk = Money::parse(m_zk->text()).value_or(Money(1));
    in.bz = m_bz->text();

    const bool adding = mode() == addMode();
    Members::Outcome refusal;
    if (!runCommand(this, [&] {
            refusal = adding ? Members::add(*m_dm.AQkh1, in) : Members::modify(*m_dm.AQkh1, in);
        }))
        return false;
    if (refusal) {
        MemberDialogs::show(this, *refusal);
        if (auto* box = findChild<QWidget*>(refusal->field))
            box->setFocus();
        return false;
    }
    if (!adding) {
        accept();
        return true;
    }
    // Ready for the next member of the same sex and level.
    for (QLineEdit* e : {m_bm, m_mc, m_csrq, m_zj, m_yb, m_lxdh, m_lxdz, m_bz})
        e->clear();
    m_zjf->setText(QStringLiteral("0"));
    m_zxf->setText(QStringLiteral("0"));
    m_bm->setFocus();
    return true;
}

void TFtjkh1::openNew(TDM1& dm, QWidget* parent) {
    TFtjkh1 dialog(dm, parent);
    dialog.setMode(addMode());
    DialogRunner::exec(dialog);
}

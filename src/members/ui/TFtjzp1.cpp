#include "members/ui/TFtjzp1.h"

#include "data/DM1.h"
#include "data/ui/CodeBox.h"
#include "data/ui/Command.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Keyboard.h"
#include "data/ui/NumberBox.h"
#include "data/ui/PickerBox.h"
#include "masterdata/ui/TFdw1.h"
#include "members/Gifts.h"
#include "members/ui/MemberDialogs.h"
#include "members/ui/TFzp1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

TFtjzp1::TFtjzp1(TDM1& dm, QWidget* parent) : QDialog(parent), m_dm(dm) {
    setObjectName(QStringLiteral("TFtjzp1"));
    setModal(true);

    m_mode = new QLabel(this);
    m_mode->setObjectName(QStringLiteral("ST1"));
    m_mode->hide();

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_name->setMinimumWidth(200);
    m_code = new CodeBox(this);
    m_code->setObjectName(QStringLiteral("Edit2"));
    m_unit = new PickerBox(this);
    m_unit->setObjectName(QStringLiteral("Edit3"));
    m_unit->setPlaceholderText(QStringLiteral("选择计量单位"));
    m_unit->setToolTip(QStringLiteral("选择计量单位"));
    m_pickUnit = new QToolButton(this);
    m_pickUnit->setObjectName(QStringLiteral("SpeedButton1"));
    m_pickUnit->setText(QStringLiteral("…"));
    m_pickUnit->setToolTip(QStringLiteral("选择计量单位"));
    m_pickUnit->setFocusPolicy(Qt::NoFocus);
    m_unit->setButton(m_pickUnit);
    m_quantity = new NumberBox(this);
    m_quantity->setObjectName(QStringLiteral("Edit4"));
    m_cost = new NumberBox(this);
    m_cost->setObjectName(QStringLiteral("Edit5"));
    m_points = new NumberBox(this);
    m_points->setObjectName(QStringLiteral("Edit6"));

    auto* fields = new QGridLayout;
    int row = 0;
    auto addRow = [&](const QString& label, QWidget* box, QWidget* extra = nullptr) {
        fields->addWidget(new QLabel(label, this), row, 0, Qt::AlignRight);
        fields->addWidget(box, row, 1);
        if (extra)
            fields->addWidget(extra, row, 2);
        ++row;
    };
    addRow(QStringLiteral("赠品名称"), m_name);
    addRow(QStringLiteral("赠品编码"), m_code);
    addRow(QStringLiteral("计量单位"), m_unit, m_pickUnit);
    addRow(QStringLiteral("库存数量"), m_quantity);
    addRow(QStringLiteral("库存单价"), m_cost);
    addRow(QStringLiteral("所需积分"), m_points);

    m_save = MemberDialogs::button(QStringLiteral("保存"), QStringLiteral("BitBtn1"), this);
    m_close = MemberDialogs::button(QStringLiteral("关闭"), QStringLiteral("BitBtn2"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    const QList<QWidget*> order = {m_name, m_code, m_unit, m_quantity, m_cost, m_points,
                                   m_save, m_close};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_save, &QPushButton::clicked, this, [this] { save(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_unit, &PickerBox::pickRequested, this, &TFtjzp1::pickUnit);
    m_unit->attach(Keyboard::install(this, m_save, m_close));

    setMode(addMode());
}

void TFtjzp1::setMode(const QString& mode) {
    m_mode->setText(mode);
    setWindowTitle(mode + QStringLiteral("赠品资料"));
    if (mode == modifyMode())
        fillFromCurrent();
    else
        setDefaults();
}

QString TFtjzp1::mode() const { return m_mode->text(); }

void TFtjzp1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_name->setFocus();
}

void TFtjzp1::setDefaults() {
    m_name->clear();
    m_code->clear(); // shows "无"
    m_unit->clear();
    for (NumberBox* b : {m_quantity, m_cost, m_points})
        b->setText(QStringLiteral("0"));
}

void TFtjzp1::fillFromCurrent() {
    const Dataset& zp = *m_dm.AQzp1;
    m_name->setText(zp.text(QStringLiteral("ppgg")));
    m_code->setText(zp.text(QStringLiteral("txm")));
    m_unit->setText(zp.text(QStringLiteral("dw")));
    m_quantity->setValue(zp.money(QStringLiteral("sl")));
    m_cost->setValue(zp.money(QStringLiteral("jg")));
    m_points->setValue(zp.money(QStringLiteral("jfjs")));
}

QWidget* TFtjzp1::boxOf(const QString& field) const {
    if (field == QLatin1String("ppgg"))
        return m_name;
    if (field == QLatin1String("txm"))
        return m_code;
    if (field == QLatin1String("sl"))
        return m_quantity;
    return nullptr;
}

void TFtjzp1::pickUnit() {
    TFdw1 units(m_dm, QStringLiteral("tjzp"), this);
    DialogRunner::exec(units);
    m_unit->setFocus();
}

bool TFtjzp1::save() {
    Gifts::Input in;
    in.sl = m_quantity->roundToTwoDecimals();
    in.jg = m_cost->roundToTwoDecimals();
    in.jfjs = m_points->roundToTwoDecimals();
    in.ppgg = m_name->text();
    in.txm = m_code->code();
    in.dw = m_unit->text();

    const bool adding = mode() == addMode();
    Gifts::Outcome refusal;
    if (!runCommand(this, [&] {
            refusal = adding ? Gifts::add(*m_dm.AQzp1, in) : Gifts::modify(*m_dm.AQzp1, in);
        }))
        return false;
    if (refusal) {
        MemberDialogs::show(this, *refusal);
        if (QWidget* box = boxOf(refusal->field))
            box->setFocus();
        return false;
    }
    if (TFzp1* list = TFzp1::openWindow())
        list->refreshStatus();
    if (!adding) {
        accept();
        return true;
    }
    m_code->clear();
    m_name->setFocus();
    return true;
}

void TFtjzp1::openNew(TDM1& dm, QWidget* parent) {
    TFtjzp1 dialog(dm, parent);
    dialog.setMode(addMode());
    DialogRunner::exec(dialog);
}

#include "masterdata/ui/TFtjsp1.h"

#include "data/DM1.h"
#include "data/ui/CodeBox.h"
#include "data/ui/Command.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"
#include "data/ui/NumberBox.h"
#include "data/ui/PickerBox.h"
#include "masterdata/Products.h"
#include "masterdata/ui/TFdw1.h"
#include "masterdata/ui/TFlb1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The number boxes in box order with their labels (Edit5 .. Edit11).
struct NumberField {
    const char* field;
    const char* label;
};
const NumberField numberFields[] = {
    {"jj", "采购单价"},   {"xj", "销售单价"},   {"slt", "数量提成"}, {"jet", "金额提成"},
    {"kcsl", "库存数量"}, {"kcjg", "库存单价"}, {"jfjs", "积分基数"},
};

QToolButton* pickerButton(const QString& name, const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(QStringLiteral("…"));
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

TFtjsp1::TFtjsp1(TDM1& dm, QWidget* parent) : QDialog(parent), m_dm(dm) {
    setObjectName(QStringLiteral("TFtjsp1"));
    setModal(true);

    m_mode = new QLabel(this);
    m_mode->setObjectName(QStringLiteral("ST1"));
    m_mode->hide();

    auto named = [this](QLineEdit* e, const char* name) {
        e->setObjectName(QString::fromLatin1(name));
        e->setMinimumWidth(170);
        return e;
    };
    m_category = static_cast<PickerBox*>(named(new PickerBox(this), "Edit1"));
    m_category->setToolTip(QStringLiteral("选择商品类别"));
    m_category->setButton(pickerButton(QStringLiteral("SpeedButton1"),
                                       QStringLiteral("选择商品类别"), this));
    m_name = named(new QLineEdit(this), "Edit2");
    m_code = static_cast<CodeBox*>(named(new CodeBox(this), "Edit3"));
    m_unit = static_cast<PickerBox*>(named(new PickerBox(this), "Edit4"));
    m_unit->setToolTip(QStringLiteral("选择计量单位"));
    m_unit->setButton(pickerButton(QStringLiteral("SpeedButton2"),
                                   QStringLiteral("选择计量单位"), this));
    int n = 5;
    for (const NumberField& f : numberFields) {
        auto* box = new NumberBox(this);
        named(box, QStringLiteral("Edit%1").arg(n++).toLatin1().constData());
        box->setProperty("field", QString::fromLatin1(f.field));
        m_numbers << box;
    }
    m_description = named(new QLineEdit(this), "Edit12");
    m_remark = named(new QLineEdit(this), "Edit13");

    m_save = new QPushButton(QStringLiteral("保存"), this);
    m_save->setObjectName(QStringLiteral("BitBtn1"));
    m_close = new QPushButton(QStringLiteral("关闭"), this);
    m_close->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton* b : {m_save, m_close})
        b->setAutoDefault(false);

    // Two columns of boxes; the tab order runs Edit1 .. Edit13 whatever the layout.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    auto addRow = [&](int row, int column, const QString& label, QWidget* box,
                      QWidget* button = nullptr) {
        auto* l = new QLabel(label, this);
        l->setBuddy(box);
        grid->addWidget(l, row, column * 3, Qt::AlignRight);
        grid->addWidget(box, row, column * 3 + 1);
        if (button)
            grid->addWidget(button, row, column * 3 + 2);
    };
    addRow(0, 0, QStringLiteral("类别"), m_category, m_category->button());
    addRow(1, 0, QStringLiteral("商品名称"), m_name);
    addRow(2, 0, QStringLiteral("商品编码"), m_code);
    addRow(3, 0, QStringLiteral("计量单位"), m_unit, m_unit->button());
    addRow(4, 0, QString::fromUtf8(numberFields[0].label), m_numbers[0]);
    addRow(5, 0, QString::fromUtf8(numberFields[1].label), m_numbers[1]);
    addRow(6, 0, QString::fromUtf8(numberFields[2].label), m_numbers[2]);
    for (int i = 3; i < 7; ++i)
        addRow(i - 3, 1, QString::fromUtf8(numberFields[i].label), m_numbers[i]);
    auto* note = new QLabel(QStringLiteral("1元积几分，10元积1分，填写0.1"), this);
    note->setObjectName(QStringLiteral("Label14"));
    note->setStyleSheet(QStringLiteral("color: gray;"));
    grid->addWidget(note, 4, 4);
    addRow(5, 1, QStringLiteral("商品描述"), m_description);
    addRow(6, 1, QStringLiteral("备注说明"), m_remark);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    QList<QWidget*> order = {m_category, m_name, m_code, m_unit};
    for (NumberBox* b : m_numbers)
        order << b;
    order << m_description << m_remark << m_save << m_close;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_save, &QPushButton::clicked, this, &TFtjsp1::save);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_category, &PickerBox::pickRequested, this, &TFtjsp1::pickCategory);
    connect(m_unit, &PickerBox::pickRequested, this, &TFtjsp1::pickUnit);
    Keyboard* keys = Keyboard::install(this, m_save, m_close);
    m_category->attach(keys);
    m_unit->attach(keys);
    setMode(addMode());
}

NumberBox* TFtjsp1::numberBox(const QString& field) const {
    for (NumberBox* b : m_numbers)
        if (b->property("field").toString() == field)
            return b;
    return nullptr;
}

void TFtjsp1::setMode(const QString& mode) {
    m_mode->setText(mode);
    const bool adding = mode == addMode();
    setWindowTitle(adding ? QStringLiteral("新增商品资料") : QStringLiteral("修改商品资料"));
    if (adding) {
        m_category->clear();
        m_name->clear();
        m_code->setText(QString::fromUtf16(CodeBox::NoCode));
        m_unit->clear();
        for (NumberBox* b : m_numbers)
            b->setText(QStringLiteral("0"));
        m_description->clear();
        m_remark->clear();
        return;
    }
    Products::Entry e;
    runCommand(this, [&] { e = Products::fromCurrentRow(*m_dm.AQsp1); });
    m_category->setText(e.lb);
    m_name->setText(e.ppgg);
    m_code->setText(e.txm);
    m_unit->setText(e.dw);
    for (NumberBox* b : m_numbers)
        b->setText(e.number(b->property("field").toString()));
    m_description->setText(e.ms);
    m_remark->setText(e.bz);
}

QString TFtjsp1::mode() const { return m_mode->text(); }

void TFtjsp1::openNew(TDM1& dm, QWidget* parent) {
    TFtjsp1 dialog(dm, parent);
    dialog.setMode(addMode());
    DialogRunner::exec(dialog);
}

void TFtjsp1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_category->setFocus();
}

void TFtjsp1::pickCategory() {
    TFlb1 picker(m_dm, this);
    DialogRunner::exec(picker);
    m_category->setFocus();
}

void TFtjsp1::pickUnit() {
    TFdw1 picker(m_dm, QStringLiteral("tjsp"), this);
    DialogRunner::exec(picker);
    m_unit->setFocus();
}

void TFtjsp1::save() {
    Products::Entry e;
    e.lb = m_category->text();
    e.ppgg = m_name->text();
    e.txm = m_code->text();
    e.dw = m_unit->text();
    for (NumberBox* b : m_numbers)
        e.number(b->property("field").toString()) = b->text();
    e.ms = m_description->text();
    e.bz = m_remark->text();

    // Typed numbers are stored as the boxes show them after rounding.
    Products::roundNumbers(e);
    for (NumberBox* b : m_numbers) {
        const QString& rounded = e.number(b->property("field").toString());
        if (b->text() != rounded)
            b->setText(rounded);
    }

    const bool adding = mode() == addMode();
    Products::Refusal refusal = Products::Refusal::None;
    const bool done = runCommand(this, [&] {
        refusal = adding ? Products::add(*m_dm.AQsp1, e) : Products::modify(*m_dm.AQsp1, e);
    });
    if (!done)
        return;
    if (refusal != Products::Refusal::None) {
        if (Products::isWarning(refusal))
            Messages::warning(this, Products::message(refusal));
        else
            Messages::information(this, Products::message(refusal));
        switch (refusal) {
        case Products::Refusal::NoCategory:
            m_category->setFocus();
            break;
        case Products::Refusal::NoName:
            m_name->setFocus();
            break;
        case Products::Refusal::NoUnit:
            m_unit->setFocus();
            break;
        case Products::Refusal::Duplicate:
        case Products::Refusal::None:
            m_code->setFocus();
            break;
        }
        return;
    }
    if (!adding) {
        accept();
        return;
    }
    // Ready for the next product of the same category and unit.
    m_code->setText(QString::fromUtf16(CodeBox::NoCode));
    m_name->setFocus();
}

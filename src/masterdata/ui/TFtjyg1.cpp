#include "masterdata/ui/TFtjyg1.h"

#include "core/Money.h"
#include "data/DM1.h"
#include "data/ui/Command.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"
#include "data/ui/NumberBox.h"
#include "masterdata/Employees.h"
#include "masterdata/Products.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QLineEdit* textBox(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMinimumWidth(240);
    return e;
}

QPushButton* button(const QString& text, const QString& objectName, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    // Enter belongs to the boxes.
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFtjyg1::TFtjyg1(TDM1& dm, QWidget* parent) : QDialog(parent), m_dm(dm) {
    setObjectName(QStringLiteral("TFtjyg1"));
    setModal(true);

    m_mode = new QLabel(this);
    m_mode->setObjectName(QStringLiteral("ST1"));
    m_mode->hide();

    m_xm = textBox(QStringLiteral("Edit1"), this);
    m_xb = new QComboBox(this);
    m_xb->setObjectName(QStringLiteral("ComboBox1"));
    m_xb->addItems({Employees::male(), Employees::female()});
    m_zw = textBox(QStringLiteral("Edit2"), this);
    m_bm = textBox(QStringLiteral("Edit3"), this);
    m_dh = textBox(QStringLiteral("Edit4"), this);
    m_dz = textBox(QStringLiteral("Edit5"), this);
    m_jbgz = new NumberBox(this);
    m_jbgz->setObjectName(QStringLiteral("Edit6"));
    m_sfz = textBox(QStringLiteral("Edit7"), this);
    m_sfz->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_sfz));
    m_bz = textBox(QStringLiteral("Edit8"), this);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("姓名"), m_xm);
    form->addRow(QStringLiteral("性别"), m_xb);
    form->addRow(QStringLiteral("职务"), m_zw);
    form->addRow(QStringLiteral("部门"), m_bm);
    form->addRow(QStringLiteral("电话"), m_dh);
    form->addRow(QStringLiteral("住址"), m_dz);
    form->addRow(QStringLiteral("基本工资"), m_jbgz);
    form->addRow(QStringLiteral("身份证号"), m_sfz);
    form->addRow(QStringLiteral("备注说明"), m_bz);

    m_save = button(QStringLiteral("保存"), QStringLiteral("BitBtn1"), this);
    m_close = button(QStringLiteral("关闭"), QStringLiteral("BitBtn2"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    const QList<QWidget*> order = {m_xm, m_xb,   m_zw,  m_bm, m_dh,   m_dz,
                                   m_jbgz, m_sfz, m_bz, m_save, m_close};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_save, &QPushButton::clicked, this, [this] { save(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    Keyboard::install(this, m_save, m_close);

    setMode(addMode());
}

void TFtjyg1::setMode(const QString& mode) {
    m_mode->setText(mode);
    setWindowTitle(mode + QStringLiteral("员工资料"));
    if (mode == modifyMode()) {
        const Employees::Entry e = Employees::fromCurrentRow(*m_dm.AQyg1);
        m_xm->setText(e.xm);
        // A sex that is neither choice (an imported row) shows as none; saving then asks for one.
        m_xb->setCurrentIndex(m_xb->findText(e.xb));
        m_zw->setText(e.zw);
        m_bm->setText(e.bm);
        m_dh->setText(e.dh);
        m_dz->setText(e.dz);
        m_jbgz->setText(e.jbgz.isEmpty() ? QStringLiteral("0") : e.jbgz);
        m_sfz->setText(e.sfz);
        m_bz->setText(e.bz);
        return;
    }
    for (QLineEdit* e : {m_xm, m_zw, m_bm, m_dh, m_dz, m_sfz, m_bz})
        e->clear();
    m_xb->setCurrentText(Employees::male());
    m_jbgz->setText(QStringLiteral("0"));
}

QString TFtjyg1::mode() const { return m_mode->text(); }

void TFtjyg1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_xm->setFocus();
}

bool TFtjyg1::save() {
    // The salary is rounded (and shown so) before anything is checked. A text that is no
    // number stays as it is for the service to refuse.
    QString salary = m_jbgz->text();
    if (Money::parse(salary)) {
        salary = Products::roundTyped(salary);
        if (salary != m_jbgz->text())
            m_jbgz->setText(salary);
    }

    Employees::Entry entry;
    entry.xm = m_xm->text();
    entry.xb = m_xb->currentText();
    entry.zw = m_zw->text();
    entry.bm = m_bm->text();
    entry.dh = m_dh->text();
    entry.dz = m_dz->text();
    entry.jbgz = salary;
    entry.sfz = m_sfz->text();
    entry.bz = m_bz->text();

    const bool adding = mode() == addMode();
    MasterData::Outcome refusal;
    if (!runCommand(this, [&] {
            refusal = adding ? Employees::add(*m_dm.AQyg1, entry)
                             : Employees::modify(*m_dm.AQyg1, entry);
        }))
        return false;
    if (refusal) {
        if (refusal->kind == MasterData::Refusal::Kind::Warning)
            Messages::warning(this, refusal->text);
        else
            Messages::information(this, refusal->text);
        if (refusal->field == QStringLiteral("xb"))
            m_xb->setFocus();
        else
            m_xm->setFocus();
        return false;
    }
    if (!adding) {
        accept();
        return true;
    }
    // Ready for the next employee of the same sex.
    for (QLineEdit* e : {m_xm, m_zw, m_bm, m_dh, m_dz, m_sfz, m_bz})
        e->clear();
    m_jbgz->setText(QStringLiteral("0"));
    m_xm->setFocus();
    return true;
}

void TFtjyg1::openNew(TDM1& dm, QWidget* parent) {
    TFtjyg1 dialog(dm, parent);
    dialog.setMode(addMode());
    DialogRunner::exec(dialog);
}

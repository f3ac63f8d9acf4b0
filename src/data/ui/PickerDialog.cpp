#include "data/ui/PickerDialog.h"

#include "data/DM1.h"
#include "data/Dataset.h"
#include "data/ui/Command.h"
#include "data/ui/DatasetView.h"
#include "data/ui/Keyboard.h"
#include "data/ui/LookupSwitch.h"
#include "data/ui/Messages.h"
#include "data/ui/NewRecordDialogs.h"
#include "data/ui/PickerPanel.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
QPushButton* makeButton(const QString& text, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    // Enter belongs to the boxes and the grid, never to a default button of the dialog.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}
} // namespace

PickerDialog::PickerDialog(TDM1& dm, const Setup& setup, PickerPanel* panel, const QString& xzbj,
                           QWidget* caller)
    : QDialog(caller), m_dm(dm), m_setup(setup), m_panel(panel), m_caller(caller) {
    setObjectName(setup.objectName);
    setWindowTitle(setup.title);
    setModal(true);
    resize(setup.size);

    m_panel->setParent(this);
    m_xzbj = new QLineEdit(xzbj, this);
    m_xzbj->setObjectName(QStringLiteral("xzbj"));
    m_xzbj->hide();

    m_choose = makeButton(QStringLiteral("选择"), QStringLiteral("BitBtn1"), this);
    m_add = makeButton(QStringLiteral("新增"), QStringLiteral("BitBtn2"), this);
    m_close = makeButton(QStringLiteral("关闭"), QStringLiteral("BitBtn3"), this);
    m_search = makeButton(QStringLiteral("查询"), QStringLiteral("BitBtn4"), this);
    m_search->hide();
    m_add->setEnabled(bool(NewRecordDialogs::find(setup.table)));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_choose);
    buttons->addWidget(m_add);
    buttons->addWidget(m_close);
    buttons->addWidget(m_search);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel, 1);
    layout->addLayout(buttons);

    connect(m_choose, &QPushButton::clicked, this, [this] { choose(); });
    connect(m_add, &QPushButton::clicked, this, &PickerDialog::addNew);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_search, &QPushButton::clicked, m_panel, [this] { m_panel->search(); });
    connect(m_panel, &PickerPanel::chooseRequested, this, [this] { choose(); });

    Keyboard* keys = Keyboard::install(this, nullptr, m_close);
    keys->setEnterButton(m_panel->box2(), m_choose);
    m_panel->box1()->setFocus();
}

Dataset& PickerDialog::dataset() const { return *m_panel->dataset(); }

QString PickerDialog::callerCode() const { return m_xzbj->text(); }

const PickerRoute* PickerDialog::route() const { return findRoute(m_setup.routes, callerCode()); }

bool PickerDialog::choose() {
    const Dataset& ds = dataset();
    if (!ds.isOpen() || ds.isEmpty()) {
        Messages::warning(this, m_setup.emptyMessage);
        return false;
    }
    if (const PickerRoute* r = route()) {
        if (!runCommand(this, [&] { deliver(*r); }))
            return false;
    }
    accept();
    return true;
}

void PickerDialog::addNew() {
    const NewRecordDialogs::Opener open = NewRecordDialogs::find(m_setup.table);
    if (!open)
        return;
    open(m_dm, this);
    m_panel->grid()->setFocus();
}

void PickerDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        m_panel->reset();
        m_panel->box1()->setFocus();
    }
}

void PickerDialog::done(int result) {
    const PickerRoute* r = route();
    if (r && !r->lookupSwitch.isEmpty())
        LookupSwitch::arm(m_caller, r->lookupSwitch.constData());
    QDialog::done(result);
}

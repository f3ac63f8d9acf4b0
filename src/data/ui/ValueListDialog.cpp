#include "data/ui/ValueListDialog.h"

#include "data/Dataset.h"
#include "data/ui/Command.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
const QString ModifyItem = QStringLiteral("修改");
const QString DeleteItem = QStringLiteral("删除");

QPushButton* makeButton(const QString& text, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    // Enter belongs to the grid (选择), never to a default button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}
} // namespace

ValueListDialog::ValueListDialog(const Setup& setup, const QString& xzbj, QWidget* caller)
    : QDialog(caller), m_setup(setup), m_caller(caller) {
    Q_ASSERT(setup.dataset);
    setObjectName(setup.objectName);
    setWindowTitle(setup.title);
    setModal(true);
    resize(setup.size);

    m_xzbj = new QLineEdit(xzbj, this);
    m_xzbj->setObjectName(QStringLiteral("xzbj"));
    m_xzbj->hide();

    m_choose = makeButton(QStringLiteral("选择"), QStringLiteral("BitBtn1"), this);
    m_add = makeButton(QStringLiteral("新增"), QStringLiteral("BitBtn2"), this);
    m_delete = makeButton(QStringLiteral("删除"), QStringLiteral("BitBtn3"), this);
    m_close = makeButton(QStringLiteral("关闭"), QStringLiteral("BitBtn4"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_choose, m_add, m_delete, m_close})
        buttons->addWidget(b);

    m_grid = new DatasetView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setTitleSorting(setup.titleSorting);
    m_grid->setEnterKey(DatasetView::EnterKey::Chooses);
    m_grid->setDataset(setup.dataset);
    m_grid->setColumns(setup.columns);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);

    connect(m_choose, &QPushButton::clicked, this, [this] { choose(); });
    connect(m_add, &QPushButton::clicked, this, &ValueListDialog::add);
    connect(m_delete, &QPushButton::clicked, this, &ValueListDialog::remove);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &DatasetView::rowChosen, this, [this] { choose(); });
    connect(m_grid, &QWidget::customContextMenuRequested, this, &ValueListDialog::showPopup);

    Keyboard::install(this, nullptr, m_close);
}

QString ValueListDialog::callerCode() const { return m_xzbj->text(); }

void ValueListDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    showRows();
    m_grid->setFocus();
}

bool ValueListDialog::showRows() {
    SqlText q(m_setup.selectLine);
    q.add(QStringLiteral("order by id"));
    return runCommand(this, [&] { m_setup.dataset->open(q); });
}

bool ValueListDialog::hasRows() const {
    return m_setup.dataset->isOpen() && !m_setup.dataset->isEmpty();
}

bool ValueListDialog::choose() {
    if (!hasRows()) {
        Messages::warning(this, m_setup.noRowsToChoose);
        return false;
    }
    if (const PickerRoute* r = findRoute(m_setup.routes, callerCode()))
        fillBoxes(m_caller, *r, *m_setup.dataset);
    accept();
    return true;
}

void ValueListDialog::add() {
    if (m_setup.entry)
        m_setup.entry(*this, QStringLiteral("新增"));
    m_grid->setFocus();
}

void ValueListDialog::modify() {
    if (!hasRows()) {
        Messages::warning(this, m_setup.noRowsToModify);
        return;
    }
    if (m_setup.entry)
        m_setup.entry(*this, QStringLiteral("修改"));
    m_grid->setFocus();
}

void ValueListDialog::remove() {
    if (!hasRows()) {
        Messages::warning(this, m_setup.noRowsToDelete);
        return;
    }
    if (!Messages::okCancel(this, m_setup.deleteQuestion))
        return;
    runCommand(this, [&] { m_setup.dataset->remove(); });
}

bool ValueListDialog::runPopup(const QString& caption) {
    if (caption == ModifyItem)
        modify();
    else if (caption == DeleteItem)
        remove();
    else
        return false;
    return true;
}

void ValueListDialog::showPopup(const QPoint& pos) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    for (const QString& caption : {ModifyItem, DeleteItem})
        connect(menu.addAction(caption), &QAction::triggered, this,
                [this, caption] { runPopup(caption); });
    menu.exec(m_grid->viewport()->mapToGlobal(pos));
}

#include "data/ui/RecordListWindow.h"

#include "data/Database.h"
#include "data/ui/Command.h"
#include "data/ui/DatasetView.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Keyboard.h"
#include "data/ui/Messages.h"
#include "data/ui/QueryDialog.h"
#include "admin/ui/GridExport.h"
#include "admin/ui/TFdr1.h"
#include "data/DM1.h"
#include "print/PrintForms.h"
#include "print/ui/TFdyPreview1.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString Add = QStringLiteral("新增");
const QString Modify = QStringLiteral("修改");
const QString Delete = QStringLiteral("删除");
const QString ReverseAudit = QStringLiteral("反审");
const QString ReverseAuditItem = QStringLiteral("反审核");
const QString Query = QStringLiteral("查询");
const QString Print = QStringLiteral("打印");
const QString Export = QStringLiteral("导出");
const QString Import = QStringLiteral("导入");
const QString Close = QStringLiteral("关闭");

QWidget* legendSquare(const QColor& colour, QWidget* parent) {
    auto* square = new QLabel(parent);
    square->setFixedSize(12, 12);
    square->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;")
                              .arg(colour.name()));
    return square;
}

} // namespace

RecordListWindow::RecordListWindow(ListDefinition definition, QWidget* parent)
    : QWidget(parent), m_def(std::move(definition)) {
    Q_ASSERT(m_def.dataset);
    setObjectName(m_def.objectName);
    setWindowTitle(m_def.title);
    resize(820, 520);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    buildToolBar(bar);
    outer->addWidget(bar);

    m_grid = new DatasetView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setTitleSorting(m_def.titleSorting);
    m_grid->setEnterKey(m_def.gridEnter);
    for (const GridColumn& c : m_def.columns)
        if (!c.caption.isEmpty())
            m_def.dataset->setCaption(c.field, c.caption);
    if (m_def.rowStyle)
        m_def.dataset->setRowStyle(m_def.rowStyle);
    m_grid->setDataset(m_def.dataset);
    m_grid->setColumns(m_def.columns);
    outer->addWidget(m_grid, 1);
    connect(m_grid, &DatasetView::rowChosen, this, [this] {
        if (!m_def.doubleClick.isEmpty())
            runCommand(m_def.doubleClick);
    });
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &RecordListWindow::showPopup);

    buildStatusBar();
    outer->addWidget(m_statusBar);

    Keyboard::install(this, nullptr, commandButton(Close));
}

RecordListWindow::~RecordListWindow() = default;

void RecordListWindow::buildToolBar(QWidget* bar) {
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 3, 6, 3);
    row->setSpacing(2);
    for (const LegendEntry& e : m_def.legend) {
        row->addWidget(legendSquare(e.colour, bar));
        auto* text = new QLabel(e.text, bar);
        text->setObjectName(QStringLiteral("Legend"));
        row->addWidget(text);
        row->addSpacing(12);
    }
    for (const ListCommand& c : m_def.toolBar) {
        auto* b = new QToolButton(bar);
        b->setText(c.caption);
        b->setObjectName(c.objectName.isEmpty() ? c.caption : c.objectName);
        b->setToolTip(c.hint);
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setMinimumWidth(48);
        connect(b, &QToolButton::clicked, this, [this, c] { execute(c); });
        row->addWidget(b);
        m_buttons << b;
    }
    row->addStretch();
}

void RecordListWindow::buildStatusBar() {
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    auto addPanel = [this](const QString& text, bool permanent = false) {
        auto* l = new QLabel(text, m_statusBar);
        l->setObjectName(QStringLiteral("Panel%1").arg(m_panels.size()));
        l->setMinimumWidth(40);
        if (permanent)
            m_statusBar->addPermanentWidget(l);
        else
            m_statusBar->addWidget(l);
        m_panels << l;
        return l;
    };
    if (m_def.totals.isEmpty()) {
        addPanel(QStringLiteral("记录数："));
        m_totalPanels << addPanel(QString());
    } else {
        addPanel(QStringLiteral("总计"));
        for (const ListTotal& t : m_def.totals) {
            addPanel(t.caption.isEmpty() ? QString() : t.caption + QStringLiteral("："));
            QLabel* value = addPanel(QString());
            value->setMinimumWidth(80);
            m_totalPanels << value;
        }
    }
    if (!m_def.note.isEmpty())
        addPanel(m_def.note, true);
}

QString RecordListWindow::panelText(int index) const {
    return index >= 0 && index < m_panels.size() ? m_panels[index]->text() : QString();
}

QLabel* RecordListWindow::panel(int index) const { return m_panels.value(index); }

QToolButton* RecordListWindow::commandButton(const QString& caption) const {
    for (QToolButton* b : m_buttons)
        if (b->text() == caption)
            return b;
    return nullptr;
}

QString RecordListWindow::stepText() const {
    return m_def.statistics ? QStringLiteral("统计") : QStringLiteral("查询");
}

// --- rows and status ---------------------------------------------------------------------------

void RecordListWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (m_def.openOnShow)
        openDefault();
    m_grid->setFocus();
}

void RecordListWindow::openDefault() {
    SqlText text(m_def.selectLine);
    if (m_def.defaultCondition)
        m_def.defaultCondition(text);
    runQuery(text);
}

QString RecordListWindow::totalsSelect() const {
    QStringList sums;
    for (const ListTotal& t : m_def.totals)
        sums << QStringLiteral("sum(%1)").arg(t.sum);
    return QStringLiteral("SELECT %1 FROM %2").arg(sums.join(u','), m_def.dataset->table());
}

bool RecordListWindow::runQuery(const SqlText& conditions) {
    return ::runCommand(this, [&] {
        if (!m_def.totals.isEmpty() && !m_def.totalsFromRows)
            setTotals(m_def.dataset->database().sums(conditions.withSelect(totalsSelect())));
        SqlText rows = conditions;
        if (!m_def.orderLine.isEmpty())
            rows.add(m_def.orderLine);
        m_def.dataset->open(rows);
        if (m_def.totals.isEmpty() || m_def.totalsFromRows)
            refreshStatus();
    });
}

Money RecordListWindow::totalFromRows(const ListTotal& total) const {
    if (total.fromRows)
        return total.fromRows(*m_def.dataset);
    // "a", "a-b", "a+b-c": the fields summed over the rows with their signs.
    Money sum;
    static const QRegularExpression term(QStringLiteral("([+-]?)\\s*([A-Za-z_][A-Za-z0-9_]*)"));
    auto it = term.globalMatch(total.sum);
    while (it.hasNext()) {
        const auto m = it.next();
        const Money part = m_def.dataset->sum(m.captured(2));
        sum += m.captured(1) == QLatin1String("-") ? -part : part;
    }
    return sum;
}

void RecordListWindow::refreshStatus() {
    if (m_def.totals.isEmpty()) {
        m_totalPanels.value(0)->setText(
            QString::number(m_def.dataset->isOpen() ? m_def.dataset->count() : 0));
        return;
    }
    QList<Money> totals;
    for (const ListTotal& t : m_def.totals)
        totals << (m_def.dataset->isOpen() ? totalFromRows(t) : Money());
    setTotals(totals);
}

void RecordListWindow::setTotals(const QList<Money>& totals) {
    for (int i = 0; i < m_totalPanels.size(); ++i)
        m_totalPanels[i]->setText(totals.value(i).toShortString());
}

// --- commands ----------------------------------------------------------------------------------

bool RecordListWindow::runCommand(const QString& caption) {
    for (const ListCommand& c : m_def.toolBar)
        if (c.caption == caption) {
            execute(c);
            return true;
        }
    for (const ListCommand& c : m_def.popup)
        if (c.caption == caption) {
            execute(c);
            return true;
        }
    return false;
}

void RecordListWindow::execute(const ListCommand& c) {
    if (c.run) {
        c.run(*this);
        return;
    }
    if (c.caption == Add)
        add();
    else if (c.caption == Modify)
        modify();
    else if (c.caption == Delete)
        remove();
    else if (c.caption == ReverseAudit || c.caption == ReverseAuditItem)
        reverseAudit();
    else if (c.caption == Query)
        query();
    else if (c.caption == Print)
        print();
    else if (c.caption == Export)
        exportRows();
    else if (c.caption == Import)
        importRows();
    else if (c.caption == Close)
        closeWindow();
}

void RecordListWindow::showPopup(const QPoint& pos) {
    if (m_def.popup.isEmpty())
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    for (const ListCommand& c : m_def.popup) {
        QAction* a = menu.addAction(c.caption);
        a->setObjectName(c.objectName);
        connect(a, &QAction::triggered, this, [this, c] { execute(c); });
    }
    menu.exec(m_grid->viewport()->mapToGlobal(pos));
}

bool RecordListWindow::checkOpen() {
    if (m_def.dataset->isOpen())
        return true;
    Messages::warning(this, QStringLiteral("数据表未打开，请先%1！").arg(stepText()));
    return false;
}

bool RecordListWindow::checkRows(const QString& noRowsText) {
    if (!checkOpen())
        return false;
    if (!m_def.dataset->isEmpty())
        return true;
    Messages::warning(this, noRowsText);
    return false;
}

void RecordListWindow::add() {
    if (m_def.addNeedsOpenDataset && !checkOpen())
        return;
    if (!m_def.entry)
        return;
    m_def.entry(*this, Add);
    if (m_def.totals.isEmpty())
        refreshStatus();
}

void RecordListWindow::modify() {
    if (!checkRows(QStringLiteral("没有数据可修改，请先查询！")))
        return;
    if (m_def.audited && m_def.dataset->fieldIndex(QStringLiteral("shbj")) >= 0 &&
        m_def.dataset->text(QStringLiteral("shbj")) == QStringLiteral("已审核")) {
        Messages::warning(this, QStringLiteral("审核数据不可修改，请先反审！"));
        return;
    }
    if (m_def.entry)
        m_def.entry(*this, Modify);
}

void RecordListWindow::remove() {
    if (!checkRows(QStringLiteral("没有数据可删除，请先查询！")))
        return;
    if (m_def.canDelete && !m_def.canDelete(*this))
        return;
    if (!Messages::okCancel(this, m_def.deleteQuestion))
        return;
    const bool done = ::runCommand(this, [&] {
        if (m_def.deleteRow)
            m_def.deleteRow(*this);
        else
            m_def.dataset->remove();
    });
    if (done)
        refreshStatus();
}

void RecordListWindow::reverseAudit() {
    if (!checkRows(QStringLiteral("没有数据可反审，请先查询！")))
        return;
    if (m_def.reverseAudit)
        m_def.reverseAudit(*this);
}

void RecordListWindow::query() {
    if (m_def.queryDialog) {
        m_def.queryDialog(*this);
        return;
    }
    if (m_def.query.isEmpty())
        return;
    QueryDialog dialog(m_def.query, m_def.selectLine,
                       [this](const SqlText& conditions) { return runQuery(conditions); }, this);
    DialogRunner::exec(dialog);
}

void RecordListWindow::print() {
    if (!checkRows(QStringLiteral("没有数据可打印，请先%1！").arg(stepText())))
        return;
    if (m_def.print.form.isEmpty())
        return;
    TDM1* dm = TDM1::instance();
    const std::optional<PrintForm> form = PrintForms::find(m_def.print.form, m_def.print.title);
    if (!dm || !form)
        return;
    QStringList totals;
    if (!m_def.totals.isEmpty())
        for (const QLabel* l : m_totalPanels)
            totals << l->text();
    TFdyPreview1::printList(this, *dm, *form, *m_def.dataset, totals);
}

void RecordListWindow::exportRows() {
    if (!checkOpen())
        return;
    GridExport::exportGrid(this, *m_grid, m_def.title);
}

void RecordListWindow::importRows() {
    if (!checkOpen())
        return;
    TDM1* dm = TDM1::instance();
    if (!dm || m_def.import.table.isEmpty())
        return;
    // The templates beside the program are written as .xlsx, the format the program writes.
    QString relative = m_def.import.template_;
    if (relative.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive))
        relative += u'x';
    const QString path = QDir(dm->db().folder()).filePath(relative);
    TFdr1 dialog(*dm, m_def.import.caption, m_def.import.table, path, this);
    DialogRunner::exec(dialog);
    // The import leaves the dataset on the whole table, whatever its outcome.
    refreshStatus();
}

void RecordListWindow::closeWindow() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void RecordListWindow::closeEvent(QCloseEvent* event) {
    m_def.dataset->close();
    event->accept();
}

#include "data/ui/DatasetView.h"

#include "data/Dataset.h"
#include "data/ui/Command.h"

#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Paints a column's own background under cells that have no row colour of their own.
class ColumnBackgroundDelegate : public QStyledItemDelegate {
public:
    explicit ColumnBackgroundDelegate(DatasetView* view)
        : QStyledItemDelegate(view), m_view(view) {}

    QHash<QString, QColor> colours;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (colours.isEmpty() || option->backgroundBrush.style() != Qt::NoBrush)
            return;
        const Dataset* ds = m_view->dataset();
        if (!ds)
            return;
        const auto it = colours.constFind(ds->fieldNames().value(index.column()));
        if (it != colours.constEnd())
            option->backgroundBrush = QBrush(*it);
    }

private:
    DatasetView* m_view;
};

constexpr int MaxFittedWidth = 320;
constexpr int MinFittedWidth = 48;
constexpr int FitPadding = 14;

} // namespace

DatasetView::DatasetView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(false);
    setWordWrap(false);
    setItemDelegate(new ColumnBackgroundDelegate(this));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setMinimumWidth(24);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setResizeContentsPrecision(200);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DatasetView::clickTitle);
    // Widths the person sets are kept across queries.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) {
                if (m_resetting || m_applying || !m_dataset || size <= 0)
                    return;
                const QString field = m_dataset->fieldNames().value(logical);
                if (!field.isEmpty())
                    m_widths.insert(field, size);
            });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT rowChosen(index.row());
    });
}

void DatasetView::setDataset(Dataset* dataset) {
    if (dataset == m_dataset)
        return;
    for (const QMetaObject::Connection& c : std::as_const(m_datasetConnections))
        disconnect(c);
    m_datasetConnections.clear();
    m_dataset = dataset;
    QItemSelectionModel* old = selectionModel();
    setModel(dataset);
    if (dataset) {
        setSelectionModel(dataset->selectionModel());
        // A query, a sort and closing all reset the model; the header then forgets which
        // sections were hidden or moved and how wide they were, so the grid lays them out again.
        m_datasetConnections << connect(dataset, &QAbstractItemModel::modelAboutToBeReset, this,
                                        [this] { m_resetting = true; })
                             << connect(dataset, &QAbstractItemModel::modelReset, this,
                                        &DatasetView::applyColumns);
        applyColumns();
        // Show the shared current row when the view appears.
        if (dataset->currentRow() >= 0)
            scrollTo(dataset->index(dataset->currentRow(), 0));
    }
    if (old && old->parent() == this)
        old->deleteLater();
}

void DatasetView::setColumns(const QList<GridColumn>& columns) {
    m_columns = columns;
    auto* delegate = static_cast<ColumnBackgroundDelegate*>(itemDelegate());
    delegate->colours.clear();
    for (const GridColumn& c : columns)
        if (c.background)
            delegate->colours.insert(c.field, *c.background);
    applyColumns();
}

QList<GridColumn> DatasetView::gridColumns() const {
    QList<GridColumn> out;
    if (!m_columns.isEmpty()) {
        for (GridColumn c : m_columns) {
            if (c.caption.isEmpty() && m_dataset) {
                const int i = m_dataset->fieldIndex(c.field);
                if (i >= 0)
                    c.caption = m_dataset->caption(i);
            }
            out << c;
        }
        return out;
    }
    if (!m_dataset)
        return out;
    const QStringList fields = m_dataset->fieldNames();
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i] != QLatin1String("id"))
            out << GridColumn{fields[i], m_dataset->caption(i)};
    return out;
}

void DatasetView::applyColumns() {
    m_resetting = false;
    if (!m_dataset)
        return;
    m_applying = true;
    const auto done = qScopeGuard([this] { m_applying = false; });
    QHeaderView* h = horizontalHeader();
    const int n = m_dataset->columnCount();
    if (n == 0)
        return;
    const QStringList fields = m_dataset->fieldNames();
    // Logical sections in the order the grid shows them; fields not shown go after them.
    QList<int> order;
    QList<bool> shown;
    QList<int> widths;
    auto place = [&](int logical, bool visible, int width) {
        if (logical < 0 || order.contains(logical))
            return;
        order << logical;
        shown << visible;
        widths << width;
    };
    if (m_columns.isEmpty()) {
        for (int c = 0; c < n; ++c)
            place(c, fields[c] != QLatin1String("id"), 0);
    } else {
        for (const GridColumn& gc : m_columns)
            place(m_dataset->fieldIndex(gc.field), gc.visible, gc.width);
        for (int c = 0; c < n; ++c)
            place(c, false, 0);
    }
    for (int visual = 0; visual < order.size(); ++visual) {
        const int logical = order[visual];
        const int from = h->visualIndex(logical);
        if (from != visual)
            h->moveSection(from, visual);
        h->setSectionHidden(logical, !shown[visual]);
    }
    // Widths: what the person left, else the column's own, else fitted to its contents.
    const bool fit = m_dataset->rowCount() > 0;
    for (int i = 0; i < order.size(); ++i) {
        if (!shown[i])
            continue;
        const int logical = order[i];
        const QString field = fields.value(logical);
        if (m_widths.contains(field))
            setColumnWidth(logical, m_widths.value(field));
        else if (widths[i] > 0)
            setColumnWidth(logical, widths[i]);
        else if (fit) {
            resizeColumnToContents(logical);
            setColumnWidth(logical,
                           std::clamp(columnWidth(logical) + FitPadding, MinFittedWidth, MaxFittedWidth));
            m_widths.insert(field, columnWidth(logical));
        }
    }
}

void DatasetView::clickTitle(int column) {
    if (!m_titleSorting || !m_dataset || !m_dataset->isOpen())
        return;
    if (column < 0 || column >= m_dataset->columnCount())
        return;
    const QString field = m_dataset->fieldNames().value(column);
    const QString asc = field + QStringLiteral(" ASC");
    const QString order = m_dataset->sortOrder() == asc ? field + QStringLiteral(" DESC") : asc;
    runCommand(this, [&] {
        m_dataset->setSortOrder(order);
        m_dataset->setBoldTitle(field);
    });
    if (m_dataset->currentRow() >= 0)
        scrollTo(m_dataset->index(m_dataset->currentRow(), 0));
}

void DatasetView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_enterKey == EnterKey::MovesOn) {
        focusNextChild();
        return;
    }
    if (enter && m_enterKey == EnterKey::Chooses) {
        if (currentIndex().isValid())
            Q_EMIT rowChosen(currentIndex().row());
        return;
    }
    QTableView::keyPressEvent(event);
}

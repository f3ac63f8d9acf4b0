#include "data/ui/DatasetView.h"

#include "data/Dataset.h"
#include "data/ui/Command.h"

#include <QHeaderView>
#include <QKeyEvent>

DatasetView::DatasetView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(false);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setMinimumWidth(24);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DatasetView::clickTitle);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT rowChosen(index.row());
    });
}

void DatasetView::setDataset(Dataset* dataset) {
    m_dataset = dataset;
    QItemSelectionModel* old = selectionModel();
    setModel(dataset);
    if (dataset) {
        setSelectionModel(dataset->selectionModel());
        // Show the shared current row when the view appears.
        if (dataset->currentRow() >= 0)
            scrollTo(dataset->index(dataset->currentRow(), 0));
    }
    if (old && old->parent() == this)
        old->deleteLater();
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

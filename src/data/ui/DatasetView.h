#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTableView>

#include <optional>

class Dataset;

// One column of a grid: the field it shows, its title (the table's caption when empty), whether
// it is shown, and an optional background for every cell of the column.
struct GridColumn {
    QString field;
    QString caption = {};
    bool visible = true;
    std::optional<QColor> background = std::nullopt;
    int width = 0; // 0: fitted to the title and the first rows
};

// The read-only grid every list window and picker shows a shared Dataset in. It binds the
// Dataset's own selection model, so every grid on the table moves one current row.
//
// Clicking a column title sorts the rows in memory: ascending, then descending, then ascending
// again; another column starts ascending. The clicked title turns bold and stays bold across
// queries until the next click. Nothing happens while the dataset is closed.
class DatasetView : public QTableView {
    Q_OBJECT
public:
    enum class EnterKey {
        MovesOn, // Enter moves the focus on, as Tab does (lists of master data)
        Chooses, // Enter chooses the current row (pickers): emits rowChosen
        Ignored,
    };

    explicit DatasetView(QWidget* parent = nullptr);

    void setDataset(Dataset* dataset);
    Dataset* dataset() const { return m_dataset; }

    // Title-click sorting is on by default; the unit-of-measure list turns it off.
    void setTitleSorting(bool on) { m_titleSorting = on; }
    bool titleSorting() const { return m_titleSorting; }
    void setEnterKey(EnterKey mode) { m_enterKey = mode; }

    // The grid's columns in order. Fields of the query that are not listed are not shown (the
    // id); listed fields the query lacks are skipped. Without a list every field but the id is
    // shown in the query's order. Kept across queries.
    void setColumns(const QList<GridColumn>& columns);
    // The grid's columns as shown: the list above, or the query's fields. Captions are filled in.
    QList<GridColumn> gridColumns() const;

    // Sorts by the column's field as a title click does (also used by tests). `column` is the
    // dataset's column (the model's section).
    void clickTitle(int column);

Q_SIGNALS:
    // Double-click on a row, or Enter in EnterKey::Chooses mode.
    void rowChosen(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyColumns();

    Dataset* m_dataset = nullptr;
    bool m_titleSorting = true;
    EnterKey m_enterKey = EnterKey::Ignored;
    QList<GridColumn> m_columns;
    QHash<QString, int> m_widths; // field -> width, kept across queries
    QList<QMetaObject::Connection> m_datasetConnections;
    bool m_resetting = false;
    bool m_applying = false;
};

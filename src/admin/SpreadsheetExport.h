#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

class Dataset;

// The spreadsheet export of a list: the grid's columns and its rows as text, written as an
// .xlsx workbook whose every cell is text, so numbers, dates and card numbers keep exactly the
// text they had in the grid ("007" stays "007").
//
// Gathering reads the dataset and must run where the dataset lives (the UI thread), in steps if
// the list is long; writing touches only the gathered sheet and may run on another thread.
namespace SpreadsheetExport {

struct Column {
    QString field;
    QString caption;
    bool visible = true;
};

// The cells of an export, by grid position: hidden columns keep their position and stay empty.
class Sheet {
public:
    explicit Sheet(QList<Column> columns);

    const QList<Column>& columns() const { return m_columns; }
    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const { return m_rows; }
    // UTF-8 text of a data cell, trimmed of blanks at both ends.
    const QByteArray& cell(int row, int column) const {
        return m_cells[size_t(row) * size_t(m_columns.size()) + size_t(column)];
    }

    // Appends the rows [from, to) of the dataset in its current (sorted) order.
    void gather(const Dataset& rows, int from, int to);
    void gatherAll(const Dataset& rows) { gather(rows, 0, rowCountOf(rows)); }

private:
    static int rowCountOf(const Dataset& rows);

    QList<Column> m_columns;
    std::vector<QByteArray> m_cells;
    int m_rows = 0;
};

// Called now and then with the number of data rows written; returning false stops the export.
using Progress = std::function<bool(int rowsWritten)>;

// Writes the sheet to `path` (an existing file is replaced): row 1 holds the captions of the
// visible columns, the rows follow from row 2; every column is formatted as text and every
// cell written as text. Returns false when `progress` stopped it (no file is left then).
// Throws DbError when the file cannot be written.
bool write(const QString& path, const Sheet& sheet, const Progress& progress = {});

} // namespace SpreadsheetExport

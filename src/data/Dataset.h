#pragma once

#include "core/Money.h"
#include "data/SqlText.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QItemSelectionModel>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class Database;

// A shared cursor on one table: the SQL text (lines and bound values), the rows of its last
// query held in memory, a current row, an edit buffer and a client-side sort order.
//
// Every grid on the same table binds the same Dataset and its selectionModel(), so all windows
// see the same rows and the same current row. Rows are numbered in the visible (sorted) order.
//
// Number fields are read and written as Money (the file holds ten-thousandths); text() of a
// number field gives its grid form ("3.50"). Engine errors throw DbError.
class Dataset : public QAbstractTableModel {
    Q_OBJECT
public:
    // table: the table that append/edit/remove write to; the start text is "select*from <table>".
    Dataset(Database& db, const QString& name, const QString& table, QObject* parent = nullptr);
    ~Dataset() override;

    QString name() const { return m_name; }
    QString table() const { return m_table; }
    Database& database() const { return m_db; }

    // --- SQL text -------------------------------------------------------------------------
    const SqlText& sql() const { return m_sql; }
    void setSql(const SqlText& text) { m_sql = text; }
    // Replaces the text by the given lines, as a window does before reopening to search.
    void setSql(const QStringList& lines, const QVariantList& binds = {}) {
        m_sql = SqlText(lines, binds);
    }

    // --- open / close ---------------------------------------------------------------------
    // Runs the text and holds its rows; the current row becomes the first. Reopens the
    // connection when it was closed. An open dataset is closed first.
    void open();
    // Sets the text and opens it.
    void open(const SqlText& text);
    void close();
    bool isOpen() const { return m_open; }
    // Runs the same text again and keeps the current row's position where it can.
    void requery();

    // --- cursor ---------------------------------------------------------------------------
    int count() const { return int(m_order.size()); }
    bool isEmpty() const { return m_order.empty(); }
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    void first();
    void next();
    void last();
    // True after next() ran past the last row, and on an empty or closed dataset.
    bool eof() const { return m_eof || m_order.empty(); }

    // Fields of the current row (or of the edit buffer while appending or editing).
    QString text(const QString& field) const;
    Money money(const QString& field) const;
    QVariant value(const QString& field) const;
    bool isNull(const QString& field) const;
    // Fields of any visible row.
    QString text(int row, int column) const;
    Money money(int row, int column) const;
    bool isNull(int row, int column) const;
    qint64 id(int row) const;

    int fieldIndex(const QString& field) const { return m_columnIndex.value(field, -1); }
    QStringList fieldNames() const;
    bool isMoneyField(int column) const;

    // Visible row whose field equals the text exactly, searching from the first; -1 when none.
    int find(const QString& field, const QString& textValue) const;
    // Sum of a number field over the visible rows (0 when there are none).
    Money sum(const QString& field) const;

    // --- writing --------------------------------------------------------------------------
    enum class State { Browse, Inserting, Editing };
    State state() const { return m_state; }
    // Starts a new row; fields are set with setText/setMoney and written by post().
    void append();
    // Starts changing the current row.
    void edit();
    // Fields may be any field of the table, shown in this dataset or not. A number field given
    // as text must parse as a number.
    void setText(const QString& field, const QString& value);
    void setMoney(const QString& field, Money value);
    void setNull(const QString& field);
    // Writes the new or changed row. A posted new row is visible at once at the end of the rows
    // and becomes the current row.
    void post();
    void cancel();
    // Deletes the current row from the table and from the rows.
    void remove();

    // --- client-side sort ------------------------------------------------------------------
    // "field ASC" or "field DESC"; an empty text restores the query's order. Reorders the rows
    // in memory without a query; the next open() returns the query's order and clears it.
    void setSortOrder(const QString& order);
    QString sortOrder() const { return m_sortOrder; }

    // --- presentation -----------------------------------------------------------------------
    struct RowColors {
        std::optional<QColor> text;
        std::optional<QColor> background;
    };
    using RowStyle = std::function<RowColors(const Dataset&, int row)>;
    // Colours rows (red text, light green background ...); the list window of the table sets it.
    void setRowStyle(RowStyle style);
    // Column titles: the table's captions unless set here.
    void setCaption(const QString& field, const QString& caption);
    QString caption(int column) const;
    // The column title shown bold (the last title clicked to sort); kept across queries.
    void setBoldTitle(const QString& field);
    QString boldTitle() const { return m_boldTitle; }

    QItemSelectionModel* selectionModel() { return &m_selection; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Bytes held for the rows (benchmarks).
    size_t memoryUsage() const;

Q_SIGNALS:
    void opened();
    void closed();
    void currentRowChanged(int row);
    // A row was posted or deleted, or the rows were reordered.
    void rowsChanged();

private:
    enum class Kind { Text, Money, Integer };
    struct Column {
        QString name;
        Kind kind;
        bool inTable; // a field of m_table (or its id): written back and re-read after a post
    };
    struct TextRef {
        uint32_t offset;
        uint32_t length; // NullLength for NULL
    };
    static constexpr uint32_t NullLength = 0xFFFFFFFFu;
    static constexpr int64_t NullNumber = INT64_MIN;

    // One vector per column: numbers for Money/Integer columns, references into m_text for Text.
    struct ColumnData {
        std::vector<int64_t> numbers;
        std::vector<TextRef> texts;
    };

    int physical(int row) const { return m_order[size_t(row)]; }
    void requireOpen(const char* what) const;
    void requireCurrent(const char* what) const;
    int requireColumn(const QString& field) const;
    QString cellText(int phys, int column) const;
    void storeText(int column, int phys, const char* data, int bytes, bool isNull);
    void loadRow(void* stmt, int phys);
    void rereadRow(int phys, qint64 id);
    // keepStorage: empty the rows but keep their buffers for the rows about to be read.
    void resetRows(bool keepStorage = false);
    void trimStorage();
    void applySort();
    const QVariant* buffered(const QString& field) const;
    void noteWrite();
    void syncSelection();

    Database& m_db;
    QString m_name;
    QString m_table;
    SqlText m_sql;
    bool m_open = false;

    std::vector<Column> m_columns;
    QHash<QString, int> m_columnIndex;
    std::vector<ColumnData> m_data;
    std::string m_text;
    std::vector<int> m_order; // visible row -> physical row
    int m_physicalRows = 0;
    int m_idColumn = -1;

    int m_current = -1;
    bool m_eof = false;
    State m_state = State::Browse;
    QHash<QString, QVariant> m_buffer; // field -> QString, Money or null while inserting/editing

    QString m_sortOrder;
    RowStyle m_rowStyle;
    QHash<QString, QString> m_captions;
    QString m_boldTitle;
    QItemSelectionModel m_selection;
    bool m_syncing = false;
    bool m_wroteInTransaction = false;
};

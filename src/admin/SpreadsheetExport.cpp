#include "admin/SpreadsheetExport.h"

#include "data/Database.h"
#include "data/Dataset.h"

#include <QFile>

#include <algorithm>
#include <xlsxwriter.h>

namespace SpreadsheetExport {

namespace {

// The rows an .xlsx sheet can hold, the header row included.
constexpr int MaxSheetRows = 1048576;
constexpr int MaxCellChars = 32767;

// Display width of a text in spreadsheet character units: wide (CJK) characters count two.
int displayWidth(const QString& text) {
    int w = 0;
    for (QChar c : text)
        w += c.unicode() >= 0x1100 ? 2 : 1;
    return w;
}

class Workbook {
public:
    explicit Workbook(const QString& path) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        m_path = QFile::encodeName(path);
        m_book = workbook_new_opt(m_path.constData(), &options);
        if (!m_book)
            throw DbError(QStringLiteral("无法建立文件 %1").arg(path));
    }
    ~Workbook() {
        if (m_book)
            workbook_close(m_book);
    }
    lxw_workbook* get() { return m_book; }
    // Writes the file; the error of the library when that fails.
    lxw_error close() {
        lxw_workbook* b = m_book;
        m_book = nullptr;
        return b ? workbook_close(b) : LXW_NO_ERROR;
    }

private:
    QByteArray m_path;
    lxw_workbook* m_book = nullptr;
};

void check(lxw_error e) {
    if (e != LXW_NO_ERROR)
        throw DbError(QString::fromUtf8(lxw_strerror(e)));
}

} // namespace

Sheet::Sheet(QList<Column> columns) : m_columns(std::move(columns)) {}

int Sheet::rowCountOf(const Dataset& rows) { return rows.isOpen() ? rows.count() : 0; }

void Sheet::gather(const Dataset& rows, int from, int to) {
    to = std::min(to, rowCountOf(rows));
    if (from >= to)
        return;
    QList<int> fieldColumns;
    for (const Column& c : m_columns)
        fieldColumns << (c.visible ? rows.fieldIndex(c.field) : -1);
    m_cells.reserve(m_cells.size() + size_t(to - from) * size_t(m_columns.size()));
    for (int r = from; r < to; ++r) {
        for (int f : fieldColumns)
            m_cells.push_back(f < 0 ? QByteArray() : rows.text(r, f).trimmed().toUtf8());
        ++m_rows;
    }
}

namespace {

bool writeSheet(Workbook& book, const Sheet& sheet, const Progress& progress) {
    lxw_worksheet* ws = workbook_add_worksheet(book.get(), nullptr);
    lxw_format* text = workbook_add_format(book.get());
    if (!ws || !text)
        throw DbError(QStringLiteral("无法建立工作表"));
    format_set_num_format_index(text, 49); // the built-in text format "@"

    // Column widths from the captions and the first rows; every column formatted as text.
    const int columns = sheet.columnCount();
    for (int c = 0; c < columns; ++c) {
        const Column& col = sheet.columns()[c];
        int width = col.visible ? displayWidth(col.caption) : 0;
        for (int r = 0; col.visible && r < std::min(sheet.rowCount(), 200); ++r)
            width = std::max(width, displayWidth(QString::fromUtf8(sheet.cell(r, c))));
        const double chars = std::clamp(width + 2, 8, 60);
        check(worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), chars, text));
    }

    auto writeCell = [&](int row, int column, const QByteArray& utf8) {
        if (utf8.isEmpty())
            return;
        QByteArray bytes = utf8;
        if (bytes.size() > MaxCellChars) // the cell limit counts characters
            bytes = QString::fromUtf8(utf8).left(MaxCellChars).toUtf8();
        check(worksheet_write_string(ws, lxw_row_t(row), lxw_col_t(column), bytes.constData(),
                                     text));
    };

    for (int c = 0; c < columns; ++c)
        if (sheet.columns()[c].visible)
            writeCell(0, c, sheet.columns()[c].caption.toUtf8());

    for (int r = 0; r < sheet.rowCount(); ++r) {
        for (int c = 0; c < columns; ++c)
            writeCell(r + 1, c, sheet.cell(r, c));
        if (progress && (r + 1) % 500 == 0 && !progress(r + 1))
            return false;
    }
    if (progress && !progress(sheet.rowCount()))
        return false;
    const lxw_error e = book.close();
    if (e != LXW_NO_ERROR)
        throw DbError(QString::fromUtf8(lxw_strerror(e)));
    return true;
}

} // namespace

bool write(const QString& path, const Sheet& sheet, const Progress& progress) {
    if (sheet.rowCount() + 1 > MaxSheetRows)
        throw DbError(QStringLiteral("行数超过电子表格的上限"));
    Workbook book(path);
    bool done = false;
    try {
        done = writeSheet(book, sheet, progress);
    } catch (...) {
        book.close();
        QFile::remove(path);
        throw;
    }
    if (!done) {
        book.close();
        QFile::remove(path);
    }
    return done;
}

} // namespace SpreadsheetExport

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// Appends the rows of a spreadsheet to one of the master tables (suppliers, members, products,
// gifts). The sheet named "Sheet1" must carry the template's Chinese column titles in its first
// row; further columns are ignored. Suppliers whose name and members whose card number the table
// (or an earlier row of the sheet) already holds are skipped, as are rows without that name or
// card number; products and gifts are appended without a check. Either every qualifying row is
// appended or, on any error, none.
//
// Reads .xls (Excel 97-2003) and .xlsx workbooks.
namespace SpreadsheetImport {

struct Column {
    QString caption; // the spreadsheet's column title, e.g. "名称"
    QString field;   // the table's field, e.g. "mc"
};

struct Layout {
    QString table;         // "ghs", "kh", "sp", "zp"
    QList<Column> columns; // in the order of the template
    QString uniqueField;   // rows whose value here is already in the table are skipped; empty: none
};

// The layout of a table, or nullptr for a table that has no import.
const Layout* layout(const QString& table);

struct Result {
    bool ok = false;
    int added = 0;
    int skipped = 0;
    QString error; // why nothing was imported (Chinese, for the user)
};

// Reads the file and appends its rows in one transaction. Never throws for bad input: a file that
// is not a spreadsheet, a missing sheet or column, a number column holding text, a damaged file or
// an empty sheet give ok = false with the reason, and nothing is written.
Result importFile(Database& db, const QString& table, const QString& path);

// The cells of the sheet named "Sheet1" as text, row by row (row 0 holds the titles). False with
// a reason when the file cannot be read.
bool readSheet(const QString& path, QList<QStringList>* rows, QString* error);

// Writes the empty template of a table (the titles in row 1, every column formatted as text) as
// an .xlsx workbook with one sheet named Sheet1. False when the file cannot be written.
bool writeTemplate(const QString& table, const QString& path);

// The template files beside the program, one per table ("数据导入模版/商品资料.xlsx").
QString templateFileName(const QString& table);

} // namespace SpreadsheetImport

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Reads the cells of an .xlsx workbook as text: a small reader of the zip container (stored
// and deflated entries) and of the sheet XML, enough for the files the program writes and for
// spreadsheets prepared for import.
//
//   XlsxReader book;
//   if (book.open(path, &why)) rows = book.rows(0);
class XlsxReader {
public:
    // Reads the file's directory, the sheet names and the shared strings. False with a reason
    // when the file cannot be read or is not an .xlsx workbook.
    bool open(const QString& path, QString* error = nullptr);

    // The sheets in workbook order.
    QStringList sheetNames() const { return m_sheetNames; }
    // The cells of a sheet: row i of the list is spreadsheet row i + 1, each row as long as its
    // last filled cell; a cell missing in the file is an empty text. Numbers and booleans are
    // given as the file holds them. Empty when the sheet does not exist.
    QList<QStringList> rows(int sheet) const;

    // The uncompressed content of a file inside the container (empty when absent).
    QByteArray entry(const QString& name) const;
    QStringList entryNames() const { return m_entries.keys(); }

private:
    struct Entry {
        quint16 method = 0;
        quint32 compressedSize = 0;
        quint32 size = 0;
        quint32 localOffset = 0;
    };

    bool readDirectory(QString* error);

    QByteArray m_data;
    QHash<QString, Entry> m_entries;
    QStringList m_sheetNames;
    QStringList m_sheetPaths;
    QStringList m_sharedStrings;
};

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Writes a minimal Excel 97-2003 workbook (BIFF8 in an OLE2 compound file) with one sheet, so
// tests can make the .xls files a shop receives without an office suite. Cells whose text is a
// plain number (without a leading zero) become number cells unless `allText` is set; everything else is a text cell.
bool writeXls(const QString& path, const QList<QStringList>& rows,
              const QString& sheetName = QStringLiteral("Sheet1"), bool allText = false);

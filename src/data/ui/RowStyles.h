#pragma once

#include "data/Dataset.h"

#include <QColor>
#include <QString>

// The row colours of the lists, as Dataset row styles a list definition picks:
//
//   def.rowStyle = RowStyles::combine(RowStyles::redWhenAtMostZero("sl"),
//                                     RowStyles::greenWhenUnaudited());
//
// A field the query does not return colours nothing.
namespace RowStyles {

// Text of exceptional rows (negative or zero quantities, blocked cards, ...).
inline QColor red() { return QColor(Qt::red); }
// Background of unaudited rows.
inline QColor lightGreen() { return QColor(225, 255, 225); }

// Red text when the text field equals the value ("ztbj" = "不打折").
Dataset::RowStyle redWhenText(const QString& field, const QString& value);
// Red text when the number field is 0 or less.
Dataset::RowStyle redWhenAtMostZero(const QString& field);
// Red text when the number field is below 0.
Dataset::RowStyle redWhenNegative(const QString& field);
// Red text when the number field is above 0.
Dataset::RowStyle redWhenPositive(const QString& field);
// Red text when any of the number fields is below 0 (statistics totals).
Dataset::RowStyle redWhenAnyNegative(const QStringList& fields);
// Light green background when "shbj" is "未审核".
Dataset::RowStyle greenWhenUnaudited();
// Text colour of the first style that gives one, background likewise.
Dataset::RowStyle combine(Dataset::RowStyle a, Dataset::RowStyle b);

} // namespace RowStyles

#pragma once

#include "data/SqlText.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <optional>

// What a query-conditions dialog (按条件查询, 按条件统计) asks and the condition lines it adds.
// The dialog is built from a Definition; the lines are built here, without widgets, so every
// window's conditions can be checked on their own.
//
// Conditions come in a fixed order: the text boxes, then the choice boxes (each in the order of
// `fields`), then the date range when its box is ticked. Each line is used as its window gives
// it ("where mc like ?", "and lxdh  like ?"); what a person typed is bound to the "?", never
// spliced into the text.
namespace ListQuery {

struct Choice {
    QString text; // the entry as the box shows it ("全部", "库存＞0")
    QString line; // the condition it adds ("and kcsl>0"); empty adds nothing
    // Values for the line's "?" placeholders, worked out when the query runs (a birthday
    // choice binds the date of tomorrow).
    std::function<QVariantList()> values = {};
};

struct Field {
    enum class Kind { Text, Choice };
    Kind kind = Kind::Text;
    QString objectName; // "Edit1", "ComboBox1"
    QString label;      // "名称"
    // Text: the condition line; its one "?" takes "%" + text + "%".
    QString line;
    // Text: add the line only when the box is not empty after trimming.
    bool onlyWhenNotEmpty = false;
    // Choice: the entries; the first one ("全部") normally adds nothing.
    QList<Choice> choices;

    static Field text(const QString& objectName, const QString& label, const QString& line,
                      bool onlyWhenNotEmpty = false) {
        return {Kind::Text, objectName, label, line, onlyWhenNotEmpty, {}};
    }
    static Field choice(const QString& objectName, const QString& label,
                        const QList<Choice>& choices) {
        return {Kind::Choice, objectName, label, {}, false, choices};
    }
};

struct DateRange {
    // Two "?": from and to, both "yyyy-MM-dd"; text comparison includes both ends.
    QString line = QStringLiteral("and rq>=? and rq<=?");
    QString label = QStringLiteral("日期从");
    QString checkName = QStringLiteral("CheckBox1");
    QString fromName = QStringLiteral("DateTimePicker1");
    QString toName = QStringLiteral("DateTimePicker2");
};

struct Definition {
    QString title = QStringLiteral("按条件查询");
    QString objectName; // the dialog's form name ("TFcxghs1")
    QList<Field> fields; // in the dialog's box order, which is also the Enter order
    std::optional<DateRange> dateRange; // shown above the boxes and first in the Enter order
    QString focus; // objectName of the box focused on show; empty: the first box after the dates

    bool isEmpty() const { return fields.isEmpty() && !dateRange; }
};

// What the dialog's boxes hold: one value per field (the text, or the chosen entry's text).
struct Input {
    QStringList values;
    bool dateRangeOn = false;
    QDate from;
    QDate to;
};

// The four stock choices on a quantity field: "全部" / "库存＞0" / "库存＝0" / "库存＜0".
QList<Choice> stockChoices(const QString& field);
// The audit choices: "全部" / "未审核" / "已审核".
QList<Choice> auditChoices();

// Appends the condition lines for the input to `text`, in the fixed order. A line that starts
// with "and" while `text` has no "where" yet (the boxes before it were left out) starts with
// "where" instead, so the statement stays valid.
void appendConditions(SqlText& text, const Definition& definition, const Input& input);

} // namespace ListQuery

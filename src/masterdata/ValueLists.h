#pragma once

#include <QString>

class Database;
class Dataset;

// The single-column lists of master data that products refer to by value: product categories
// (lb.lb) and units of measure (dw.dw). A value is required and unique on insert; renaming runs
// no uniqueness test. Renaming or deleting a value leaves the products and gifts that carry the
// old text as they are. Refusals are returned with their texts; engine errors throw DbError.
struct ValueList {
    QString table;     // "lb"
    QString field;     // "lb"
    QString emptyText; // "类别不可为空！"
    QString duplicateText; // "类别不可重复！"
    // The list window's texts.
    QString noRowsToChoose; // "没有类别可选择！"
    QString noRowsToModify; // "没有类别可修改！"
    QString noRowsToDelete; // "没有类别可删除！"
    QString deleteQuestion; // "确定要删除此类别么？"

    static const ValueList& categories();
    static const ValueList& units();

    // "SELECT * FROM lb"
    QString selectLine() const;

    enum class Result { Saved, Empty, Duplicate };
    // The refusal's text (empty for Saved): Empty is shown as "提示", Duplicate as "警告".
    QString message(Result result) const;

    // True when a row holds exactly this value.
    bool exists(Database& db, const QString& value) const;
    // Appends the trimmed value to the table's shared dataset (opened on the whole list when it
    // is closed) and posts; the new row becomes current. Refuses an empty value and one that is
    // already there.
    Result add(Dataset& dataset, const QString& value) const;
    // Stores the trimmed value in the dataset's current row; refuses only an empty value.
    Result rename(Dataset& dataset, const QString& value) const;
};

#include "masterdata/ValueLists.h"

#include "data/Database.h"
#include "data/Dataset.h"

const ValueList& ValueList::categories() {
    static const ValueList list{
        QStringLiteral("lb"),
        QStringLiteral("lb"),
        QStringLiteral("类别不可为空！"),
        QStringLiteral("类别不可重复！"),
        QStringLiteral("没有类别可选择！"),
        QStringLiteral("没有类别可修改！"),
        QStringLiteral("没有类别可删除！"),
        QStringLiteral("确定要删除此类别么？"),
    };
    return list;
}

const ValueList& ValueList::units() {
    static const ValueList list{
        QStringLiteral("dw"),
        QStringLiteral("dw"),
        QStringLiteral("单位不可为空！"),
        QStringLiteral("单位不可重复！"),
        QStringLiteral("没有单位可选择！"),
        QStringLiteral("没有单位可修改！"),
        QStringLiteral("没有单位可删除！"),
        QStringLiteral("确定要删除此单位么？"),
    };
    return list;
}

QString ValueList::selectLine() const { return QStringLiteral("SELECT * FROM %1").arg(table); }

QString ValueList::message(Result result) const {
    switch (result) {
    case Result::Saved:
        return {};
    case Result::Empty:
        return emptyText;
    case Result::Duplicate:
        return duplicateText;
    }
    return {};
}

bool ValueList::exists(Database& db, const QString& value) const {
    // Table and field are this list's own names, never user text.
    return db.exists(QStringLiteral("select %1 from %2 where %1=?").arg(field, table), {value});
}

namespace {
template <typename F> void writing(Dataset& ds, F&& steps) {
    try {
        steps();
    } catch (...) {
        ds.cancel();
        throw;
    }
}
} // namespace

ValueList::Result ValueList::add(Dataset& dataset, const QString& value) const {
    const QString v = value.trimmed();
    if (v.isEmpty())
        return Result::Empty;
    if (exists(dataset.database(), v))
        return Result::Duplicate;
    if (!dataset.isOpen())
        dataset.open(SqlText(selectLine()).add(QStringLiteral("order by id")));
    writing(dataset, [&] {
        dataset.append();
        dataset.setText(field, v);
        dataset.post();
    });
    return Result::Saved;
}

ValueList::Result ValueList::rename(Dataset& dataset, const QString& value) const {
    const QString v = value.trimmed();
    if (v.isEmpty())
        return Result::Empty;
    writing(dataset, [&] {
        dataset.edit();
        dataset.setText(field, v);
        dataset.post();
    });
    return Result::Saved;
}

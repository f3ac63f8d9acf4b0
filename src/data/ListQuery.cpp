#include "data/ListQuery.h"

namespace ListQuery {

namespace {

void addLine(SqlText& text, QString line, const QVariantList& values) {
    if (!text.hasCondition()) {
        const QString t = line.trimmed();
        if (t.size() > 3 && t.startsWith(QLatin1String("and"), Qt::CaseInsensitive) &&
            t.at(3).isSpace())
            line = QStringLiteral("where") + t.mid(3);
    }
    text.add(line, values);
}

} // namespace

QList<Choice> stockChoices(const QString& field) {
    return {
        {QStringLiteral("全部"), {}},
        {QStringLiteral("库存＞0"), QStringLiteral("and %1>0").arg(field)},
        {QStringLiteral("库存＝0"), QStringLiteral("and %1=0").arg(field)},
        {QStringLiteral("库存＜0"), QStringLiteral("and %1<0").arg(field)},
    };
}

QList<Choice> auditChoices() {
    return {
        {QStringLiteral("全部"), {}},
        {QStringLiteral("未审核"), QStringLiteral("and shbj='未审核'")},
        {QStringLiteral("已审核"), QStringLiteral("and shbj='已审核'")},
    };
}

void appendConditions(SqlText& text, const Definition& definition, const Input& input) {
    for (int i = 0; i < definition.fields.size(); ++i) {
        const Field& f = definition.fields[i];
        if (f.kind != Field::Kind::Text)
            continue;
        const QString value = input.values.value(i);
        if (f.onlyWhenNotEmpty && value.trimmed().isEmpty())
            continue;
        addLine(text, f.line, {SqlText::contains(value)});
    }
    for (int i = 0; i < definition.fields.size(); ++i) {
        const Field& f = definition.fields[i];
        if (f.kind != Field::Kind::Choice)
            continue;
        const QString value = input.values.value(i);
        for (const Choice& c : f.choices) {
            if (c.text != value)
                continue;
            if (!c.line.isEmpty())
                addLine(text, c.line, c.values ? c.values() : QVariantList());
            break;
        }
    }
    if (definition.dateRange && input.dateRangeOn) {
        const QString fmt = QStringLiteral("yyyy-MM-dd");
        addLine(text, definition.dateRange->line,
                {input.from.toString(fmt), input.to.toString(fmt)});
    }
}

} // namespace ListQuery

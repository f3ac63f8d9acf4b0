#include "data/SqlText.h"

namespace {
int placeholders(const QString& line) {
    // Count "?" outside single-quoted literals.
    int n = 0;
    bool quoted = false;
    for (QChar c : line) {
        if (c == u'\'')
            quoted = !quoted;
        else if (c == u'?' && !quoted)
            ++n;
    }
    return n;
}

bool isConditionLine(const QString& line) {
    const QString t = line.trimmed().toLower();
    return t.startsWith(QLatin1String("where")) || t.startsWith(QLatin1String("and"));
}

bool isOrderLine(const QString& line) {
    return line.trimmed().toLower().startsWith(QLatin1String("order by"));
}
} // namespace

SqlText& SqlText::add(const QString& line, const QVariantList& values) {
    Q_ASSERT_X(placeholders(line) == values.size(), "SqlText::add",
               "one bound value per ? placeholder");
    m_lines << line;
    m_binds << values;
    return *this;
}

SqlText& SqlText::cond(const QString& condition, const QVariantList& values) {
    return add((hasCondition() ? QStringLiteral("and ") : QStringLiteral("where ")) + condition,
               values);
}

void SqlText::clear() {
    m_lines.clear();
    m_binds.clear();
}

bool SqlText::hasCondition() const {
    for (const QString& l : m_lines)
        if (l.trimmed().toLower().startsWith(QLatin1String("where")))
            return true;
    return false;
}

SqlText SqlText::withSelect(const QString& selectLine) const {
    SqlText out(selectLine);
    int bindIndex = 0;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString& l = m_lines[i];
        const int n = placeholders(l);
        if (i > 0 && isConditionLine(l) && !isOrderLine(l))
            out.add(l, m_binds.mid(bindIndex, n));
        bindIndex += n;
    }
    return out;
}

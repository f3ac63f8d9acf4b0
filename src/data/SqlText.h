#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// The text of a query as the windows build it: fixed lines joined by line breaks, in order, with
// the user's values kept apart and bound to the "?" placeholders in the order they appear.
//
//   SqlText q("SELECT * FROM kh");
//   q.add("where bm like ?", SqlText::contains(card));
//   q.add("and mc like ?", SqlText::contains(name));
//   q.add("order by id");
class SqlText {
public:
    SqlText() = default;
    explicit SqlText(const QString& firstLine) { m_lines << firstLine; }
    SqlText(const QStringList& lines, const QVariantList& binds) : m_lines(lines), m_binds(binds) {}

    // Appends a line; its "?" placeholders take the given values, in order.
    SqlText& add(const QString& line, const QVariantList& values = {});
    SqlText& add(const QString& line, const QVariant& value) { return add(line, QVariantList{value}); }
    // A condition line that starts with "where" when it is the first condition of the text and
    // with "and" otherwise: cond("bm like ?", v) after a select line gives "where bm like ?".
    SqlText& cond(const QString& condition, const QVariantList& values = {});
    SqlText& cond(const QString& condition, const QVariant& value) {
        return cond(condition, QVariantList{value});
    }
    void clear();

    const QStringList& lines() const { return m_lines; }
    const QVariantList& binds() const { return m_binds; }
    QString text() const { return m_lines.join(u'\n'); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    bool hasCondition() const;

    // The same conditions under another first line and without the trailing "order by" lines:
    // turns a row query into its totals query ("SELECT sum(sl),sum(je) FROM cgfx").
    SqlText withSelect(const QString& selectLine) const;

    // "%" + text + "%" for a like condition; the text's own % and _ still act as wildcards.
    static QString contains(const QString& text) { return u'%' + text + u'%'; }

    bool operator==(const SqlText&) const = default;

private:
    QStringList m_lines;
    QVariantList m_binds;
};

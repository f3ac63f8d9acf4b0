#include "admin/XlsxReader.h"

#include <QFile>
#include <QXmlStreamReader>

#include <zlib.h>

namespace {

quint16 u16(const QByteArray& d, qsizetype at) {
    const auto* p = reinterpret_cast<const uchar*>(d.constData() + at);
    return quint16(p[0] | (p[1] << 8));
}

quint32 u32(const QByteArray& d, qsizetype at) {
    const auto* p = reinterpret_cast<const uchar*>(d.constData() + at);
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

bool fail(QString* error, const QString& why) {
    if (error)
        *error = why;
    return false;
}

// "BC12" -> 54 (zero-based column); -1 when the reference has no letters.
int columnOf(QStringView ref) {
    int col = 0;
    int letters = 0;
    for (QChar c : ref) {
        if (c >= u'A' && c <= u'Z')
            col = col * 26 + (c.unicode() - u'A' + 1);
        else if (c >= u'a' && c <= u'z')
            col = col * 26 + (c.unicode() - u'a' + 1);
        else
            break;
        ++letters;
    }
    return letters ? col - 1 : -1;
}

// The text of an <si> or <is> element: its <t> texts, without phonetic runs.
QString richText(QXmlStreamReader& x, QStringView element) {
    QString out;
    int phonetic = 0;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            if (x.name() == u"rPh")
                ++phonetic;
            else if (x.name() == u"t" && phonetic == 0)
                out += x.readElementText();
        } else if (x.isEndElement()) {
            if (x.name() == u"rPh")
                --phonetic;
            else if (x.name() == element)
                break;
        }
    }
    return out;
}

// "worksheets/sheet1.xml" relative to xl/, or an absolute "/xl/worksheets/sheet1.xml".
QString resolveTarget(const QString& target) {
    if (target.startsWith(u'/'))
        return target.mid(1);
    return QStringLiteral("xl/") + target;
}

} // namespace

bool XlsxReader::open(const QString& path, QString* error) {
    m_data.clear();
    m_entries.clear();
    m_sheetNames.clear();
    m_sheetPaths.clear();
    m_sharedStrings.clear();

    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return fail(error, f.errorString());
    m_data = f.readAll();
    if (!readDirectory(error))
        return false;

    // Sheets: names and relationship ids in workbook.xml, their files in its relationships.
    QHash<QString, QString> targets;
    {
        QXmlStreamReader x(entry(QStringLiteral("xl/_rels/workbook.xml.rels")));
        while (!x.atEnd()) {
            if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"Relationship")
                targets.insert(x.attributes().value(QLatin1String("Id")).toString(),
                               x.attributes().value(QLatin1String("Target")).toString());
        }
    }
    {
        const QByteArray workbook = entry(QStringLiteral("xl/workbook.xml"));
        if (workbook.isEmpty())
            return fail(error, QStringLiteral("不是有效的电子表格文件"));
        QXmlStreamReader x(workbook);
        while (!x.atEnd()) {
            if (x.readNext() != QXmlStreamReader::StartElement || x.name() != u"sheet")
                continue;
            QString rid;
            for (const QXmlStreamAttribute& a : x.attributes())
                if (a.name() == u"id") // r:id, whatever the prefix
                    rid = a.value().toString();
            m_sheetNames << x.attributes().value(QLatin1String("name")).toString();
            m_sheetPaths << resolveTarget(targets.value(rid));
        }
        if (x.hasError())
            return fail(error, x.errorString());
    }
    {
        QXmlStreamReader x(entry(QStringLiteral("xl/sharedStrings.xml")));
        while (!x.atEnd()) {
            if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"si")
                m_sharedStrings << richText(x, u"si");
        }
    }
    return true;
}

bool XlsxReader::readDirectory(QString* error) {
    // The end-of-directory record is the last 22 bytes, or earlier when a comment follows it.
    const qsizetype n = m_data.size();
    qsizetype eocd = -1;
    for (qsizetype i = n - 22; i >= 0 && i >= n - 22 - 65535; --i)
        if (u32(m_data, i) == 0x06054b50u) {
            eocd = i;
            break;
        }
    if (eocd < 0)
        return fail(error, QStringLiteral("不是有效的电子表格文件"));
    const quint16 count = u16(m_data, eocd + 10);
    qsizetype at = u32(m_data, eocd + 16);
    for (int i = 0; i < count; ++i) {
        if (at + 46 > n || u32(m_data, at) != 0x02014b50u)
            return fail(error, QStringLiteral("电子表格文件已损坏"));
        Entry e;
        e.method = u16(m_data, at + 10);
        e.compressedSize = u32(m_data, at + 20);
        e.size = u32(m_data, at + 24);
        const quint16 nameLength = u16(m_data, at + 28);
        const quint16 extraLength = u16(m_data, at + 30);
        const quint16 commentLength = u16(m_data, at + 32);
        e.localOffset = u32(m_data, at + 42);
        if (at + 46 + nameLength > n)
            return fail(error, QStringLiteral("电子表格文件已损坏"));
        const QString name = QString::fromUtf8(m_data.constData() + at + 46, nameLength);
        m_entries.insert(name, e);
        at += 46 + nameLength + extraLength + commentLength;
    }
    return true;
}

QByteArray XlsxReader::entry(const QString& name) const {
    const auto it = m_entries.constFind(name);
    if (it == m_entries.constEnd())
        return {};
    const Entry& e = *it;
    const qsizetype local = e.localOffset;
    if (local + 30 > m_data.size() || u32(m_data, local) != 0x04034b50u)
        return {};
    const qsizetype start = local + 30 + u16(m_data, local + 26) + u16(m_data, local + 28);
    if (start + qsizetype(e.compressedSize) > m_data.size())
        return {};
    if (e.method == 0)
        return m_data.mid(start, e.compressedSize);
    if (e.method != 8)
        return {};
    QByteArray out(qsizetype(e.size), Qt::Uninitialized);
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return {};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(m_data.constData() + start));
    z.avail_in = e.compressedSize;
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = e.size;
    const int rc = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    if (rc != Z_STREAM_END || z.total_out != e.size)
        return {};
    return out;
}

QList<QStringList> XlsxReader::rows(int sheet) const {
    QList<QStringList> out;
    if (sheet < 0 || sheet >= m_sheetPaths.size())
        return out;
    QXmlStreamReader x(entry(m_sheetPaths[sheet]));
    int rowIndex = -1;
    int colIndex = -1;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (x.name() == u"row") {
            const QStringView r = x.attributes().value(QLatin1String("r"));
            rowIndex = r.isEmpty() ? rowIndex + 1 : r.toInt() - 1;
            colIndex = -1;
            if (rowIndex < 0)
                rowIndex = 0;
            while (out.size() <= rowIndex)
                out.append(QStringList());
            continue;
        }
        if (x.name() != u"c" || rowIndex < 0)
            continue;
        const QStringView ref = x.attributes().value(QLatin1String("r"));
        const int col = ref.isEmpty() ? colIndex + 1 : columnOf(ref);
        colIndex = col < 0 ? colIndex + 1 : col;
        const QString type = x.attributes().value(QLatin1String("t")).toString();
        QString value;
        // The cell's content: <v> (number, shared string index, formula result) or <is>.
        while (!x.atEnd()) {
            x.readNext();
            if (x.isEndElement() && x.name() == u"c")
                break;
            if (!x.isStartElement())
                continue;
            if (x.name() == u"v")
                value = x.readElementText();
            else if (x.name() == u"is")
                value = richText(x, u"is");
        }
        if (type == QLatin1String("s"))
            value = m_sharedStrings.value(value.toInt());
        QStringList& row = out[rowIndex];
        while (row.size() <= colIndex)
            row.append(QString());
        row[colIndex] = value;
    }
    return out;
}

#include "support/XlsWriter.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

namespace {

class Bytes {
public:
    void u8(quint8 v) { m_data.append(char(v)); }
    void u16(quint16 v) {
        u8(quint8(v & 0xFF));
        u8(quint8(v >> 8));
    }
    void u32(quint32 v) {
        u16(quint16(v & 0xFFFF));
        u16(quint16(v >> 16));
    }
    void f64(double d) {
        quint64 bits;
        std::memcpy(&bits, &d, 8);
        u32(quint32(bits & 0xFFFFFFFFu));
        u32(quint32(bits >> 32));
    }
    void utf16(const QString& s) {
        for (QChar c : s)
            u16(c.unicode());
    }
    void append(const QByteArray& b) { m_data.append(b); }
    void zeros(int n) { m_data.append(QByteArray(n, '\0')); }
    const QByteArray& data() const { return m_data; }
    int size() const { return int(m_data.size()); }

private:
    QByteArray m_data;
};

void record(Bytes& out, quint16 type, const Bytes& body) {
    out.u16(type);
    out.u16(quint16(body.size()));
    out.append(body.data());
}

Bytes bof(quint16 kind) {
    Bytes b;
    b.u16(0x0600);
    b.u16(kind);
    b.u16(0x0DBB);
    b.u16(0x07CC);
    b.u32(0);
    b.u32(0x06);
    return b;
}

QByteArray workbookStream(const QList<QStringList>& rows, const QString& sheetName, bool allText) {
    Bytes globals;
    record(globals, 0x0809, bof(0x0005));
    {
        Bytes b;
        b.u16(1200); // UTF-16
        record(globals, 0x0042, b);
    }
    {
        Bytes font;
        font.u16(200);
        font.u16(0);
        font.u16(0x7FFF);
        font.u16(400);
        font.u16(0);
        font.u8(0);
        font.u8(0);
        font.u8(0);
        font.u8(0);
        font.u8(5);
        font.u8(0);
        font.append("Arial");
        for (int i = 0; i < 5; ++i) // fonts 0-3 and 5: index 4 is never used
            record(globals, 0x0031, font);
    }
    {
        Bytes xf;
        xf.u16(0);      // font
        xf.u16(0);      // format: General
        xf.u16(0xFFF5); // style XF
        xf.zeros(14);
        for (int i = 0; i < 15; ++i)
            record(globals, 0x00E0, xf);
        Bytes cell;
        cell.u16(0);
        cell.u16(0);
        cell.u16(0x0001); // cell XF, locked, parent 0
        cell.zeros(14);
        record(globals, 0x00E0, cell);
    }
    // Keep the stream above 4096 bytes, so it lives in ordinary sectors and the file needs no
    // mini stream: a record type no reader acts on.
    for (int i = 0; i < 8; ++i) {
        Bytes pad;
        pad.zeros(512);
        record(globals, 0x00EF, pad);
    }
    const int boundsheetAt = globals.size();
    Bytes sheetRecord;
    sheetRecord.u32(0); // patched below
    sheetRecord.u16(0);
    sheetRecord.u8(quint8(sheetName.size()));
    sheetRecord.u8(1);
    sheetRecord.utf16(sheetName);
    record(globals, 0x0085, sheetRecord);
    record(globals, 0x000A, Bytes());

    Bytes sheet;
    record(sheet, 0x0809, bof(0x0010));
    int columns = 0;
    for (const QStringList& r : rows)
        columns = std::max(columns, int(r.size()));
    {
        Bytes dim;
        dim.u32(0);
        dim.u32(quint32(rows.size()));
        dim.u16(0);
        dim.u16(quint16(columns));
        dim.u16(0);
        record(sheet, 0x0200, dim);
    }
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
            const QString& text = rows[r][c];
            if (text.isEmpty())
                continue;
            bool number = false;
            const double d = text.toDouble(&number);
            // "007" is a code, not the number 7.
            if (text.size() > 1 && text.startsWith(u'0') && text[1] != u'.')
                number = false;
            Bytes cell;
            cell.u16(quint16(r));
            cell.u16(quint16(c));
            cell.u16(15);
            if (number && !allText && r > 0) {
                cell.f64(d);
                record(sheet, 0x0203, cell);
            } else {
                cell.u16(quint16(text.size()));
                cell.u8(1);
                cell.utf16(text);
                record(sheet, 0x0204, cell);
            }
        }
    record(sheet, 0x000A, Bytes());

    QByteArray stream = globals.data();
    qToLittleEndian<quint32>(quint32(stream.size()), stream.data() + boundsheetAt + 4);
    stream += sheet.data();
    return stream;
}

} // namespace

bool writeXls(const QString& path, const QList<QStringList>& rows, const QString& sheetName,
              bool allText) {
    const QByteArray stream = workbookStream(rows, sheetName, allText);
    const int streamSectors = int((stream.size() + 511) / 512);
    const int dirSector = streamSectors;
    const int fatSector = streamSectors + 1;
    if (fatSector + 1 > 128)
        return false; // one FAT sector is enough for the small files tests make

    Bytes header;
    header.append(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    header.zeros(16);
    header.u16(0x003E);
    header.u16(0x0003);
    header.u16(0xFFFE);
    header.u16(9); // 512-byte sectors
    header.u16(6);
    header.zeros(6);
    header.u32(0); // directory sectors (version 3: 0)
    header.u32(1); // FAT sectors
    header.u32(quint32(dirSector));
    header.u32(0);
    header.u32(4096);
    header.u32(0xFFFFFFFE); // no mini FAT
    header.u32(0);
    header.u32(0xFFFFFFFE); // no DIFAT sectors
    header.u32(0);
    header.u32(quint32(fatSector));
    for (int i = 1; i < 109; ++i)
        header.u32(0xFFFFFFFF);

    QByteArray body = stream;
    body.append(QByteArray(streamSectors * 512 - stream.size(), '\0'));

    Bytes dir;
    auto entry = [&dir](const QString& name, quint8 type, quint32 child, quint32 start, quint32 size) {
        Bytes e;
        e.utf16(name);
        e.zeros(64 - int(name.size()) * 2);
        e.u16(name.isEmpty() ? 0 : quint16((name.size() + 1) * 2));
        e.u8(type);
        e.u8(1); // black
        e.u32(0xFFFFFFFF);
        e.u32(0xFFFFFFFF);
        e.u32(child);
        e.zeros(16 + 4 + 16);
        e.u32(start);
        e.u32(size);
        e.u32(0);
        dir.append(e.data());
    };
    entry(QStringLiteral("Root Entry"), 5, 1, 0xFFFFFFFE, 0);
    entry(QStringLiteral("Workbook"), 2, 0xFFFFFFFF, 0, quint32(stream.size()));
    entry(QString(), 0, 0xFFFFFFFF, 0, 0);
    entry(QString(), 0, 0xFFFFFFFF, 0, 0);

    Bytes fat;
    for (int i = 0; i < streamSectors; ++i)
        fat.u32(i + 1 < streamSectors ? quint32(i + 1) : 0xFFFFFFFE);
    fat.u32(0xFFFFFFFE); // directory
    fat.u32(0xFFFFFFFD); // the FAT itself
    while (fat.size() < 512)
        fat.u32(0xFFFFFFFF);

    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(header.data());
    f.write(body);
    f.write(dir.data());
    f.write(fat.data());
    return f.error() == QFile::NoError;
}

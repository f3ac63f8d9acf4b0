#include "admin/SpreadsheetImport.h"

#include "admin/XlsxReader.h"
#include "core/Money.h"
#include "data/Database.h"
#include "data/Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <freexl.h>
#include <xlsxwriter.h>

namespace SpreadsheetImport {

namespace {

QList<Layout> buildLayouts() {
    auto cols = [](std::initializer_list<std::pair<const char*, const char*>> l) {
        QList<Column> out;
        for (const auto& [caption, field] : l)
            out.append({QString::fromUtf8(caption), QString::fromUtf8(field)});
        return out;
    };
    return {
        {QStringLiteral("ghs"),
         cols({{"名称", "mc"}, {"联系人", "lxr"}, {"联系方式", "lxdh"}, {"传真号码", "lxcz"},
               {"联系地址", "lxdz"}, {"邮政编码", "yb"}, {"开户银行", "yhmc"},
               {"银行帐号", "yhzh"}, {"备注", "bz"}}),
         QStringLiteral("mc")},
        {QStringLiteral("kh"),
         cols({{"会员卡号", "bm"}, {"会员姓名", "mc"}, {"性别", "xb"}, {"会员等级", "dj"},
               {"会员折扣", "zk"}, {"总积分", "zjf"}, {"总消费", "zxf"}, {"证件编码", "zj"},
               {"邮政编码", "yb"}, {"出生日期", "csrq"}, {"联系方式", "lxdh"},
               {"联系地址", "lxdz"}, {"备注", "bz"}, {"开卡日期", "kkrq"}, {"可用标记", "ztbj"}}),
         QStringLiteral("bm")},
        {QStringLiteral("sp"),
         cols({{"类别", "lb"}, {"编码", "txm"}, {"商品名称", "ppgg"}, {"单位", "dw"},
               {"采购单价", "jj"}, {"销售单价", "xj"}, {"库存数量", "kcsl"},
               {"库存单价", "kcjg"}, {"库存金额", "kcje"}, {"数量提成", "slt"},
               {"金额提成", "jet"}, {"积分基数", "jfjs"}, {"商品描述", "ms"}, {"备注", "bz"},
               {"打折标记", "ztbj"}}),
         QString()},
        {QStringLiteral("zp"),
         cols({{"编码", "txm"}, {"商品名称", "ppgg"}, {"单位", "dw"}, {"库存数量", "sl"},
               {"库存单价", "jg"}, {"库存金额", "je"}, {"所需积分", "jfjs"}}),
         QString()},
    };
}

const QString kSheet = QStringLiteral("Sheet1");

// A number as a spreadsheet cell holds it, written without exponent or trailing zeros, so a
// bar code stored as a number reads "6901234567890", not "6.90123456789e+12".
QString numberText(double d) {
    QString s = QString::number(d, 'f', 6);
    while (s.contains(u'.') && (s.endsWith(u'0') || s.endsWith(u'.')))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

bool readXls(const QString& path, QList<QStringList>* rows, QString* error) {
    const void* handle = nullptr;
    const QByteArray name = QFile::encodeName(path);
    struct Closer {
        const void*& h;
        ~Closer() {
            if (h)
                freexl_close(h);
        }
    } closer{handle};
    if (freexl_open(name.constData(), &handle) != FREEXL_OK) {
        *error = QStringLiteral("文件已损坏或不是Excel文件");
        return false;
    }
    unsigned int sheets = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK)
        sheets = 0;
    int found = -1;
    for (unsigned short i = 0; i < sheets; ++i) {
        const char* sheetName = nullptr;
        if (freexl_get_worksheet_name(handle, i, &sheetName) == FREEXL_OK && sheetName &&
            QString::fromUtf8(sheetName) == kSheet) {
            found = i;
            break;
        }
    }
    if (found < 0) {
        *error = QStringLiteral("找不到名为 Sheet1 的工作表");
        return false;
    }
    unsigned int rowCount = 0;
    unsigned short colCount = 0;
    if (freexl_select_active_worksheet(handle, static_cast<unsigned short>(found)) != FREEXL_OK ||
        freexl_worksheet_dimensions(handle, &rowCount, &colCount) != FREEXL_OK) {
        *error = QStringLiteral("文件已损坏，无法读取工作表");
        return false;
    }
    rows->clear();
    rows->reserve(int(rowCount));
    for (unsigned int r = 0; r < rowCount; ++r) {
        QStringList row;
        row.reserve(colCount);
        for (unsigned short c = 0; c < colCount; ++c) {
            FreeXL_CellValue v;
            if (freexl_get_cell_value(handle, r, c, &v) != FREEXL_OK) {
                *error = QStringLiteral("文件已损坏，无法读取第%1行").arg(r + 1);
                return false;
            }
            switch (v.type) {
            case FREEXL_CELL_INT: row << QString::number(v.value.int_value); break;
            case FREEXL_CELL_DOUBLE: row << numberText(v.value.double_value); break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME: row << QString::fromUtf8(v.value.text_value); break;
            default: row << QString(); break;
            }
        }
        rows->append(row);
    }
    return true;
}

bool readXlsx(const QString& path, QList<QStringList>* rows, QString* error) {
    XlsxReader book;
    QString why;
    if (!book.open(path, &why)) {
        *error = QStringLiteral("文件已损坏或不是Excel文件");
        return false;
    }
    const int sheet = int(book.sheetNames().indexOf(kSheet));
    if (sheet < 0) {
        *error = QStringLiteral("找不到名为 Sheet1 的工作表");
        return false;
    }
    *rows = book.rows(sheet);
    // Large numbers may be stored in exponent form; read them as the number they are.
    static const QRegularExpression exponent(QStringLiteral("^-?\\d+(\\.\\d+)?[eE][+-]?\\d+$"));
    for (QStringList& row : *rows)
        for (QString& cell : row)
            if (exponent.match(cell).hasMatch())
                cell = numberText(cell.toDouble());
    return true;
}

bool isBlank(const QStringList& row) {
    for (const QString& c : row)
        if (!c.trimmed().isEmpty())
            return false;
    return true;
}

} // namespace

const Layout* layout(const QString& table) {
    static const QList<Layout> all = buildLayouts();
    for (const Layout& l : all)
        if (l.table == table)
            return &l;
    return nullptr;
}

QString templateFileName(const QString& table) {
    const Schema::Table* t = Schema::table(table);
    return QStringLiteral("数据导入模版/") + (t ? t->caption : table) + QStringLiteral(".xlsx");
}

bool readSheet(const QString& path, QList<QStringList>* rows, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("无法打开文件：%1").arg(path);
        return false;
    }
    const QByteArray head = f.read(8);
    f.close();
    if (head.startsWith(QByteArray("PK\x03\x04", 4)))
        return readXlsx(path, rows, error);
    if (head.startsWith(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)))
        return readXls(path, rows, error);
    *error = QStringLiteral("不是Excel文件（支持 .xls 和 .xlsx）");
    return false;
}

Result importFile(Database& db, const QString& table, const QString& path) {
    Result result;
    const Layout* lay = layout(table);
    if (!lay) {
        result.error = QStringLiteral("该资料不支持导入");
        return result;
    }
    QList<QStringList> rows;
    if (!readSheet(path, &rows, &result.error))
        return result;
    if (rows.isEmpty()) {
        result.error = QStringLiteral("工作表是空的");
        return result;
    }

    // Where each template column stands in the sheet.
    const QStringList titles = rows.first();
    QList<int> at;
    QStringList missing;
    for (const Column& c : lay->columns) {
        int i = -1;
        for (int k = 0; k < titles.size(); ++k)
            if (titles[k].trimmed() == c.caption) {
                i = k;
                break;
            }
        if (i < 0)
            missing << c.caption;
        at << i;
    }
    if (!missing.isEmpty()) {
        result.error = QStringLiteral("缺少列：%1").arg(missing.join(QStringLiteral("、")));
        return result;
    }

    const Schema::Table* schema = Schema::table(table);
    QList<bool> isMoney;
    QStringList fields;
    int uniqueIndex = -1;
    for (int i = 0; i < lay->columns.size(); ++i) {
        const Column& c = lay->columns[i];
        fields << c.field;
        const Schema::Field* f = schema ? schema->field(c.field) : nullptr;
        isMoney << (f && f->kind == Schema::Kind::Money);
        if (c.field == lay->uniqueField)
            uniqueIndex = i;
    }

    QSet<QString> present;
    if (uniqueIndex >= 0)
        for (const QVariantList& r :
             db.rows(QStringLiteral("select %1 from %2").arg(lay->uniqueField, table)))
            if (!r.value(0).isNull())
                present.insert(r.value(0).toString());

    // Read and check every row before writing anything.
    QList<QVariantList> values;
    values.reserve(rows.size() - 1);
    for (int r = 1; r < rows.size(); ++r) {
        const QStringList& row = rows[r];
        if (isBlank(row))
            continue;
        QVariantList v;
        v.reserve(fields.size());
        for (int i = 0; i < fields.size(); ++i) {
            const QString cell = row.value(at[i]);
            if (isMoney[i]) {
                if (cell.trimmed().isEmpty()) {
                    v << QVariant::fromValue(Money());
                    continue;
                }
                QString why;
                const auto m = Money::parse(cell, &why);
                if (!m) {
                    result.error = QStringLiteral("第%1行“%2”不是有效的数值：%3")
                                       .arg(r + 1)
                                       .arg(lay->columns[i].caption, cell);
                    return result;
                }
                v << QVariant::fromValue(*m);
            } else {
                v << (cell.isEmpty() ? QVariant() : QVariant(cell));
            }
        }
        if (uniqueIndex >= 0) {
            const QVariant key = v[uniqueIndex];
            if (key.isNull() || present.contains(key.toString())) {
                ++result.skipped;
                continue;
            }
            present.insert(key.toString());
        }
        values << v;
    }
    if (values.isEmpty() && result.skipped == 0) {
        result.error = QStringLiteral("工作表中没有数据");
        return result;
    }

    const QString sql = QStringLiteral("insert into %1 (%2) values(%3)")
                            .arg(table, fields.join(u','),
                                 QStringList(fields.size(), QStringLiteral("?")).join(u','));
    try {
        Transaction tx(db);
        for (const QVariantList& v : values)
            db.exec(sql, v);
        tx.commit();
    } catch (const DbError& e) {
        result.error = e.message();
        return result;
    }
    result.added = int(values.size());
    result.ok = true;
    return result;
}

bool writeTemplate(const QString& table, const QString& path) {
    const Layout* lay = layout(table);
    if (!lay)
        return false;
    const QByteArray name = QFile::encodeName(path);
    lxw_workbook* book = workbook_new(name.constData());
    if (!book)
        return false;
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Sheet1");
    lxw_format* text = workbook_add_format(book);
    format_set_num_format(text, "@");
    lxw_format* title = workbook_add_format(book);
    format_set_num_format(title, "@");
    format_set_bold(title);
    worksheet_set_column(sheet, 0, lxw_col_t(lay->columns.size() - 1), 14, text);
    for (int i = 0; i < lay->columns.size(); ++i)
        worksheet_write_string(sheet, 0, lxw_col_t(i), lay->columns[i].caption.toUtf8().constData(),
                               title);
    return workbook_close(book) == LXW_NO_ERROR;
}

} // namespace SpreadsheetImport

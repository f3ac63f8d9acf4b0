#include "admin/SpreadsheetImport.h"
#include "admin/ui/TFdr1.h"
#include "data/DM1.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"
#include "support/XlsWriter.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <xlsxwriter.h>

namespace {

// Writes a workbook whose sheet holds the rows as text cells (numbers given as numbers when
// `numbers` is set, as a spreadsheet user would type them).
bool writeSheet(const QString& path, const QList<QStringList>& rows, const char* sheetName = "Sheet1",
                bool numbers = false) {
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    if (!book)
        return false;
    lxw_worksheet* sheet = workbook_add_worksheet(book, sheetName);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
            bool isNumber = false;
            const double d = rows[r][c].toDouble(&isNumber);
            if (rows[r][c].startsWith(u'0') && rows[r][c].size() > 1 && rows[r][c][1] != u'.')
                isNumber = false; // a code such as "007"
            if (numbers && r > 0 && isNumber)
                worksheet_write_number(sheet, lxw_row_t(r), lxw_col_t(c), d, nullptr);
            else if (!rows[r][c].isEmpty())
                worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), rows[r][c].toUtf8().constData(),
                                       nullptr);
        }
    return workbook_close(book) == LXW_NO_ERROR;
}

const QStringList kSupplierTitles{"名称", "联系人", "联系方式", "传真号码", "联系地址",
                                  "邮政编码", "开户银行", "银行帐号", "备注"};

int count(Database& db, const char* table) {
    return db.scalar(QStringLiteral("select count(*) from ") + QLatin1String(table)).toInt();
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void suppliersAlreadyPresentAreSkipped() {
        TestDatabase t;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("厂商.xlsx"));
        QVERIFY(writeSheet(file, {kSupplierTitles,
                                  {"甲厂", "张三", "010-1234", "", "北京", "100000", "", "", ""},
                                  {"乙厂", "李四"},
                                  {},
                                  {"甲厂", "重复的行"},
                                  {"", "没有名称"}}));
        auto r = SpreadsheetImport::importFile(t.db(), QStringLiteral("ghs"), file);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.added, 2);
        QCOMPARE(r.skipped, 2);
        QCOMPARE(t.db().scalar(QStringLiteral("select lxr from ghs where mc=?"), {QStringLiteral("甲厂")}).toString(),
                 QStringLiteral("张三"));
        // The same sheet again adds nothing and still succeeds.
        r = SpreadsheetImport::importFile(t.db(), QStringLiteral("ghs"), file);
        QVERIFY(r.ok);
        QCOMPARE(r.added, 0);
        QCOMPARE(count(t.db(), "ghs"), 2);
    }

    void xlsWorkbooksImportToo() {
        TestDatabase t;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("会员资料.xls"));
        const QStringList titles{"会员卡号", "会员姓名", "性别", "会员等级", "会员折扣", "总积分", "总消费",
                                 "证件编码", "邮政编码", "出生日期", "联系方式", "联系地址", "备注",
                                 "开卡日期", "可用标记"};
        QVERIFY(writeXls(file, {titles,
                                {"0", "无卡顾客", "男", "无卡顾客", "1"},
                                {"007", "王五", "男", "金卡", "0.85", "120", "1500.5", "", "", "19810205",
                                 "13800000000", "", "", "2010-05-01", "可用"},
                                {"008", "赵六", "女", "银卡", "0.9"}},
                         QStringLiteral("Sheet1"), false));
        // Card numbers typed as text keep their zeros; the walk-in card "0" is present already.
        const auto r = SpreadsheetImport::importFile(t.db(), QStringLiteral("kh"), file);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.added, 2);
        QCOMPARE(r.skipped, 1);
        const auto wang = t.db().rows(QStringLiteral("select bm, zk, zxf, csrq, ztbj from kh where mc=?"),
                                      {QStringLiteral("王五")});
        QCOMPARE(wang.size(), 1);
        QCOMPARE(wang[0][1].toLongLong(), 8500);
        QCOMPARE(wang[0][2].toLongLong(), 15005000);
        QCOMPARE(wang[0][3].toString(), QStringLiteral("19810205"));
        QCOMPARE(wang[0][4].toString(), QStringLiteral("可用"));
    }

    void productsAreAppendedEveryTimeWithNumbersExact() {
        TestDatabase t;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("商品.xlsx"));
        const QStringList titles{"类别", "编码", "商品名称", "单位", "采购单价", "销售单价",
                                 "库存数量", "库存单价", "库存金额", "数量提成", "金额提成",
                                 "积分基数", "商品描述", "备注", "打折标记"};
        QVERIFY(writeSheet(file,
                           {titles,
                            {"饮料", "6901234567890", "矿泉水", "瓶", "1.2", "2", "3", "2.556", "7.67",
                             "0", "0", "0.1", "", "", "打折"},
                            {"饮料", "007", "可乐", "瓶", "", "3.5"}},
                           "Sheet1", true));
        for (int round = 1; round <= 2; ++round) {
            const auto r = SpreadsheetImport::importFile(t.db(), QStringLiteral("sp"), file);
            QVERIFY2(r.ok, qPrintable(r.error));
            QCOMPARE(r.added, 2);
        }
        QCOMPARE(count(t.db(), "sp"), 4);
        const auto row = t.db().rows(QStringLiteral("select txm, kcjg, jj from sp where ppgg=? order by id"),
                                     {QStringLiteral("矿泉水")});
        // A bar code typed as a number keeps all its digits; money keeps four places.
        QCOMPARE(row[0][0].toString(), QStringLiteral("6901234567890"));
        QCOMPARE(row[0][1].toLongLong(), 25560);
        QCOMPARE(row[0][2].toLongLong(), 12000);
        // An empty number cell reads as 0, a code typed as text keeps its leading zeros.
        const auto cola = t.db().rows(QStringLiteral("select txm, jj from sp where ppgg=?"), {QStringLiteral("可乐")});
        QCOMPARE(cola[0][0].toString(), QStringLiteral("007"));
        QCOMPARE(cola[0][1].toLongLong(), 0);
    }

    void badInputIsRefusedAndWritesNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a spreadsheet") << "text" << "不是Excel文件";
        QTest::newRow("damaged workbook") << "damaged" << "损坏";
        QTest::newRow("no sheet named Sheet1") << "othersheet" << "Sheet1";
        QTest::newRow("missing column") << "missingcolumn" << "缺少列：邮政编码";
        QTest::newRow("text in a number column") << "text-number" << "第3行“会员折扣”";
        QTest::newRow("empty sheet") << "empty" << "没有数据";
        QTest::newRow("missing file") << "missing" << "无法打开";
    }

    void badInputIsRefusedAndWritesNothing() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        TestDatabase t;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("会员.xlsx"));
        const QStringList titles{"会员卡号", "会员姓名", "性别", "会员等级", "会员折扣", "总积分", "总消费",
                                 "证件编码", "邮政编码", "出生日期", "联系方式", "联系地址", "备注",
                                 "开卡日期", "可用标记"};
        const QStringList good{"001", "王五", "男", "金卡", "0.9", "0", "0", "", "", "19810205"};
        if (kind == "text") {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("会员卡号,会员姓名\n001,王五\n");
        } else if (kind == "damaged") {
            QVERIFY(writeSheet(file, {titles, good}));
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            const qint64 size = f.size();
            f.resize(size / 2);
        } else if (kind == "othersheet") {
            QVERIFY(writeSheet(file, {titles, good}, "会员"));
        } else if (kind == "missingcolumn") {
            QStringList fewer = titles;
            fewer.removeAll(QStringLiteral("邮政编码"));
            QVERIFY(writeSheet(file, {fewer, good}));
        } else if (kind == "text-number") {
            QStringList bad = good;
            bad[0] = QStringLiteral("002");
            bad[4] = QStringLiteral("九折");
            QVERIFY(writeSheet(file, {titles, good, bad}));
        } else if (kind == "empty") {
            QVERIFY(writeSheet(file, {titles}));
        }
        const auto r = SpreadsheetImport::importFile(t.db(), QStringLiteral("kh"), file);
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(reason), qPrintable(r.error));
        QCOMPARE(count(t.db(), "kh"), 1); // only the walk-in customer
    }

    void dialogImportsAndShowsTheTableAgain() {
        TestDatabase t;
        MessageRecorder messages;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("厂商.xlsx"));
        QVERIFY(writeSheet(file, {kSupplierTitles, {"甲厂"}, {"乙厂"}}));
        t.dm().AQghs1->open();

        TFdr1 dialog(t.dm(), QStringLiteral("导入厂商资料"), QStringLiteral("ghs"),
                     dir.filePath(QStringLiteral("厂商资料.xlsx")));
        auto* source = dialog.findChild<QLineEdit*>(QStringLiteral("Edit2"));
        auto* import = dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        QVERIFY(source && import);
        QVERIFY(source->text().isEmpty());

        import->click();
        QCOMPARE(messages.lastText(), QStringLiteral("导入源文件不可为空！"));
        QCOMPARE(messages.boxes.last().icon, Messages::Icon::Information);

        // Enter in the empty source box asks for the file.
        messages.files.enqueue(file);
        source->setFocus();
        QTest::keyClick(source, Qt::Key_Return);
        QCOMPARE(messages.fileDialogs.size(), 1);
        QCOMPARE(messages.fileDialogs[0].caption, QStringLiteral("选择正确的源文件"));
        QVERIFY(!source->text().isEmpty());

        import->click();
        QCOMPARE(messages.lastText(), QStringLiteral("批量导入成功!"));
        QVERIFY(dialog.imported());
        QCOMPARE(t.dm().AQghs1->sql().lines(), QStringList{QStringLiteral("select * from ghs")});
        QVERIFY(t.dm().AQghs1->isOpen());
        QCOMPARE(t.dm().AQghs1->count(), 2);

        // A failure keeps the dialog open, still shows the table and says why.
        TFdr1 again(t.dm(), QStringLiteral("导入厂商资料"), QStringLiteral("ghs"), QString());
        again.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(dir.filePath(QStringLiteral("nofile.xls")));
        again.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        QVERIFY(messages.lastText().startsWith(QStringLiteral("批量导入失败!")));
        QCOMPARE(messages.boxes.last().icon, Messages::Icon::Warning);
        QCOMPARE(messages.boxes.last().caption, QStringLiteral("警告"));
        QVERIFY(!again.imported());
        QVERIFY(t.dm().AQghs1->isOpen());
    }

    void templatesCarryTheColumnTitles() {
        QTemporaryDir dir;
        for (const QString table : {QStringLiteral("sp"), QStringLiteral("ghs"), QStringLiteral("kh"), QStringLiteral("zp")}) {
            const QString path = dir.filePath(table + QStringLiteral(".xlsx"));
            QVERIFY(SpreadsheetImport::writeTemplate(table, path));
            QList<QStringList> rows;
            QString why;
            QVERIFY2(SpreadsheetImport::readSheet(path, &rows, &why), qPrintable(why));
            QStringList expected;
            for (const auto& c : SpreadsheetImport::layout(table)->columns)
                expected << c.caption;
            QCOMPARE(rows.value(0), expected);
        }
        QCOMPARE(SpreadsheetImport::templateFileName(QStringLiteral("sp")), QStringLiteral("数据导入模版/商品资料.xlsx"));
    }
};

QTEST_MAIN(TestImport)
#include "tst_import.moc"

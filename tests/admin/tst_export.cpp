#include "admin/SpreadsheetExport.h"
#include "admin/XlsxReader.h"
#include "admin/ui/GridExport.h"
#include "data/DM1.h"
#include "data/ui/DatasetView.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

void clearMembers(Database& db) { db.exec(QStringLiteral("delete from kh")); }

void addMember(Database& db, const QString& card, const QString& name, const QString& points) {
    db.exec(QStringLiteral("insert into kh (bm,mc,zjf,ztbj) values(?,?,?,'可用')"),
            {card, name, QVariant::fromValue(Money::fromString(points))});
}

// Captures the file the export opens instead of starting a desktop program.
struct OpenerSpy {
    QStringList opened;
    bool succeeds = true;
    OpenerSpy() {
        GridExport::setOpener([this](const QString& path) {
            opened << path;
            return succeeds;
        });
    }
    ~OpenerSpy() { GridExport::setOpener({}); }
};

QList<QStringList> readBack(const QString& path) {
    XlsxReader book;
    QString why;
    if (!book.open(path, &why))
        qWarning() << why;
    return book.rows(0);
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gridAsShownIsWrittenAsText() {
        TestDatabase t;
        MessageRecorder rec;
        OpenerSpy opener;
        clearMembers(t.db());
        addMember(t.db(), QStringLiteral("007"), QStringLiteral(" 乙 "), QStringLiteral("12.5"));
        addMember(t.db(), QStringLiteral("0100"), QStringLiteral("甲"), QStringLiteral("3"));
        addMember(t.db(), QStringLiteral("02"), QStringLiteral("丙"), QStringLiteral("-1"));
        Dataset& ds = *t.dm().AQkh1;
        ds.open(SqlText(QStringLiteral("SELECT * FROM kh")).add(QStringLiteral("order by id")));
        DatasetView grid;
        grid.setDataset(&ds);
        grid.setColumns({{QStringLiteral("bm")},
                         {QStringLiteral("mc"), QString(), false},
                         {QStringLiteral("zjf")},
                         {QStringLiteral("ztbj")}});
        grid.clickTitle(ds.fieldIndex(QStringLiteral("bm")));
        grid.clickTitle(ds.fieldIndex(QStringLiteral("bm"))); // descending

        const QString path = GridExport::exportGrid(nullptr, grid, QStringLiteral("会员资料"));
        QVERIFY(!path.isEmpty());
        QCOMPARE(opener.opened, QStringList{path});
        QVERIFY(rec.boxes.isEmpty());
        QCOMPARE(QFileInfo(path).dir().dirName(), QStringLiteral("导出数据"));
        QVERIFY(QFileInfo(path).absolutePath().startsWith(QFileInfo(t.folder()).absoluteFilePath()));

        const QList<QStringList> rows = readBack(path);
        QCOMPARE(rows.size(), 4);
        // The hidden column keeps its place and stays empty; texts keep their leading zeros,
        // numbers their grid form; rows in the grid's order.
        QCOMPARE(rows[0], (QStringList{"会员卡号", "", "总积分", "可用标记"}));
        QCOMPARE(rows[1], (QStringList{"02", "", "-1.00", "可用"}));
        QCOMPARE(rows[2], (QStringList{"0100", "", "3.00", "可用"}));
        QCOMPARE(rows[3], (QStringList{"007", "", "12.50", "可用"}));
        // Every column is formatted as text (built-in format 49, "@").
        XlsxReader book;
        QVERIFY(book.open(path));
        QVERIFY(book.entry(QStringLiteral("xl/styles.xml")).contains("numFmtId=\"49\""));
        // ... and every cell is a text cell.
        const QString sheet = QString::fromUtf8(book.entry(QStringLiteral("xl/worksheets/sheet1.xml")));
        QCOMPARE(sheet.count(QRegularExpression(QStringLiteral("<c "))), 12);
        QCOMPARE(sheet.count(QRegularExpression(QStringLiteral("<c [^>]*t=\"(s|inlineStr)\""))), 12);
        // After the export the current row is the last one.
        QCOMPARE(ds.currentRow(), 2);
    }

    void longListIsWrittenCompletely() {
        TestDatabase t;
        MessageRecorder rec;
        OpenerSpy opener;
        clearMembers(t.db());
        {
            Transaction tx(t.db());
            for (int i = 0; i < 6000; ++i)
                addMember(t.db(), QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0')),
                          QStringLiteral("会员%1").arg(i), QStringLiteral("1"));
            tx.commit();
        }
        Dataset& ds = *t.dm().AQkh1;
        ds.open(SqlText(QStringLiteral("SELECT * FROM kh")).add(QStringLiteral("order by id")));
        DatasetView grid;
        grid.setDataset(&ds);
        grid.setColumns({{QStringLiteral("bm")}, {QStringLiteral("mc")}});
        const QString path = GridExport::exportGrid(nullptr, grid, QStringLiteral("会员资料"));
        QVERIFY(!path.isEmpty());
        const QList<QStringList> rows = readBack(path);
        QCOMPARE(rows.size(), 6001);
        QCOMPARE(rows[6000], (QStringList{"05999", "会员5999"}));
    }

    void noProgramToOpenItSaysWhereItIs() {
        TestDatabase t;
        MessageRecorder rec;
        OpenerSpy opener;
        opener.succeeds = false;
        Dataset& ds = *t.dm().AQghs1;
        ds.open();
        DatasetView grid;
        grid.setDataset(&ds);
        const QString path = GridExport::exportGrid(nullptr, grid, QStringLiteral("厂商资料"));
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(rec.boxes.size(), 1);
        QCOMPARE(rec.boxes[0].caption, QStringLiteral("提示"));
        QVERIFY(rec.boxes[0].text.contains(QDir::toNativeSeparators(path)));
        // An empty list still gives the header row.
        QCOMPARE(readBack(path).value(0).value(0), QStringLiteral("名称"));
    }

    void failureToWriteIsReported() {
        TestDatabase t;
        MessageRecorder rec;
        OpenerSpy opener;
        Dataset& ds = *t.dm().AQghs1;
        ds.open();
        DatasetView grid;
        grid.setDataset(&ds);
        // The export folder's place is taken by a file of that name: the file cannot be made.
        QFile blocker(QDir(t.folder()).filePath(QStringLiteral("导出数据")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = GridExport::exportFolder(t.folder());
        QVERIFY(!folder.startsWith(t.folder())); // falls back to the temporary folder
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 SpreadsheetExport::write(QDir(blocker.fileName()).filePath("x.xlsx"),
                                                          SpreadsheetExport::Sheet({})));
        const QString path = GridExport::exportGrid(nullptr, grid, QStringLiteral("厂商资料"),
                                                    QDir(blocker.fileName()).filePath("x"));
        QVERIFY(path.isEmpty());
        QCOMPARE(rec.texts(), QStringList{"数据导出失败！"});
        QCOMPARE(rec.boxes[0].caption, QStringLiteral("提示"));
        QVERIFY(opener.opened.isEmpty());
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"

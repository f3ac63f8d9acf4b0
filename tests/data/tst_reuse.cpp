// Reuse inside the data layer: prepared statements kept per SQL text by the connection, and row
// buffers a dataset keeps from one open to the next. Reuse must never show stale values.
#include "data/DM1.h"
#include "support/TestDatabase.h"

#include <QTest>

namespace {

void addCategories(Database& db, int count) {
    Transaction tx(db);
    for (int i = 0; i < count; ++i)
        db.exec(QStringLiteral("insert into lb (lb) values(?)"),
                {QStringLiteral("类别%1").arg(i, 4, 10, QLatin1Char('0'))});
    tx.commit();
}

SqlText categoryNamed(const QString& name) {
    return SqlText(QStringLiteral("SELECT * FROM lb")).add(QStringLiteral("where lb=?"), name);
}

} // namespace

class TestReuse : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The same text run again with other values sees only the new ones.
    void sameTextTakesNewValuesEachRun() {
        TestDatabase t;
        Database& db = t.db();
        const QString sql = QStringLiteral("select count(*) from lb where lb=?");
        QCOMPARE(db.scalar(sql, {QStringLiteral("未知")}).toInt(), 1);
        QCOMPARE(db.scalar(sql, {QStringLiteral("没有")}).toInt(), 0);
        QCOMPARE(db.scalar(sql, {QVariant()}).toInt(), 0);
        QCOMPARE(db.scalar(sql, {QStringLiteral("未分类")}).toInt(), 1);
        // A run that fails leaves the text usable.
        const QString round = QStringLiteral("select mround(12345,?)");
        QVERIFY_THROWS_EXCEPTION(DbError, db.scalar(round, {9}));
        QCOMPARE(db.scalar(round, {2}).toLongLong(), 12300);
    }

    // A kept statement of a closed connection is never used again; a kept "SELECT *" follows a
    // change of the table.
    void closedConnectionAndChangedTable() {
        TestDatabase t;
        Database& db = t.db();
        Dataset& ds = *t.dm().AQlb1;
        const SqlText all = SqlText(QStringLiteral("SELECT * FROM lb")).add(QStringLiteral("order by id"));
        ds.open(all);
        QCOMPARE(ds.count(), 2);
        db.close();
        addCategories(db, 1);
        ds.open(all);
        QCOMPARE(ds.count(), 3);
        db.exec(QStringLiteral("alter table lb add column bz TEXT"));
        db.exec(QStringLiteral("update lb set bz=lb||'!'"));
        ds.open(all);
        QCOMPARE(ds.columnCount(), 3);
        QCOMPARE(ds.text(QStringLiteral("bz")), QStringLiteral("未分类!"));
    }

    // A slot that runs the same text while the first run is being delivered gets its own rows.
    void sameTextFromASlotOfOpened() {
        TestDatabase t;
        Dataset& outer = *t.dm().AQlb1;
        Dataset inner(t.db(), QStringLiteral("local"), QStringLiteral("lb"));
        connect(&outer, &Dataset::opened, &inner,
                [&] { inner.open(categoryNamed(QStringLiteral("未知"))); });
        outer.open(categoryNamed(QStringLiteral("未分类")));
        QCOMPARE(outer.count(), 1);
        QCOMPARE(outer.text(QStringLiteral("lb")), QStringLiteral("未分类"));
        QCOMPARE(inner.count(), 1);
        QCOMPARE(inner.text(QStringLiteral("lb")), QStringLiteral("未知"));
    }

    // Rows of a reopened dataset never carry text of the previous result, whichever is longer.
    void reopeningRefillsTheRows() {
        TestDatabase t;
        addCategories(t.db(), 3000);
        Dataset& ds = *t.dm().AQlb1;
        const SqlText all = SqlText(QStringLiteral("SELECT * FROM lb")).add(QStringLiteral("order by id"));
        ds.open(all);
        QCOMPARE(ds.count(), 3002);
        const size_t full = ds.memoryUsage();
        ds.open(categoryNamed(QStringLiteral("类别2999")));
        QCOMPARE(ds.count(), 1);
        QCOMPARE(ds.text(0, ds.fieldIndex(QStringLiteral("lb"))), QStringLiteral("类别2999"));
        // A short result does not keep the buffers of the long one.
        QVERIFY2(ds.memoryUsage() < full / 10, qPrintable(QString::number(ds.memoryUsage())));
        ds.open(all);
        ds.open(all);
        QCOMPARE(ds.count(), 3002);
        QCOMPARE(ds.text(0, 1), QStringLiteral("未分类"));
        QCOMPARE(ds.text(3001, 1), QStringLiteral("类别2999"));
        QCOMPARE(ds.memoryUsage(), full);
        ds.close();
        QVERIFY(ds.memoryUsage() < 64);
    }
};

QTEST_MAIN(TestReuse)
#include "tst_reuse.moc"

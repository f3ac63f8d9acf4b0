#include "data/DM1.h"
#include "data/ui/DatasetView.h"
#include "support/TestDatabase.h"

#include <QSignalSpy>
#include <QTest>

namespace {

void addSupplier(Dataset& ds, const QString& name, const QString& contact = QString()) {
    ds.append();
    ds.setText(QStringLiteral("mc"), name);
    if (!contact.isNull())
        ds.setText(QStringLiteral("lxr"), contact);
    ds.post();
}

QStringList column(const Dataset& ds, const QString& field) {
    QStringList out;
    const int c = ds.fieldIndex(field);
    for (int r = 0; r < ds.count(); ++r)
        out << ds.text(r, c);
    return out;
}

} // namespace

class TestDataset : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsAsSelectAllOfItsTable() {
        TestDatabase t;
        QCOMPARE(t.dm().AQsp1->sql().lines(), QStringList{QStringLiteral("select*from sp")});
        QCOMPARE(t.dm().AQkcfx1->table(), QStringLiteral("sp"));
        QCOMPARE(t.dm().AQxsz1->table(), QStringLiteral("xsglz"));
        QCOMPARE(t.dm().datasets().size(), 30);
        QVERIFY(t.dm().ATdanwei1->isOpen());
    }

    void appendIsVisibleAtOnceInEntryOrder() {
        TestDatabase t;
        Dataset& ds = *t.dm().AQghs1;
        ds.open(SqlText(QStringLiteral("SELECT * FROM ghs")).add(QStringLiteral("order by id")));
        QSignalSpy inserted(&ds, &QAbstractItemModel::rowsInserted);
        addSupplier(ds, QStringLiteral("乙厂"));
        addSupplier(ds, QStringLiteral("甲厂"));
        QCOMPARE(inserted.count(), 2);
        QCOMPARE(ds.count(), 2);
        QCOMPARE(ds.currentRow(), 1);
        QCOMPARE(ds.text(QStringLiteral("mc")), QStringLiteral("甲厂"));
        // A field never set reads as missing, a number field as its default 0.
        QVERIFY(ds.isNull(QStringLiteral("lxr")));
        ds.requery();
        QCOMPARE(column(ds, QStringLiteral("mc")), (QStringList{QStringLiteral("乙厂"), QStringLiteral("甲厂")}));
    }

    void editPostAndRemove() {
        TestDatabase t;
        Dataset& ds = *t.dm().AQsp1;
        ds.open();
        ds.append();
        ds.setText(QStringLiteral("ppgg"), QStringLiteral("矿泉水 550ml"));
        ds.setText(QStringLiteral("kcsl"), QStringLiteral("3"));
        ds.setMoney(QStringLiteral("kcjg"), Money::fromString(u"2.56"));
        ds.post();
        QCOMPARE(ds.money(QStringLiteral("kcsl")), Money(3));
        QCOMPARE(ds.text(QStringLiteral("kcjg")), QStringLiteral("2.56"));
        QCOMPARE(ds.money(QStringLiteral("kcje")), Money()); // number fields default to 0

        ds.edit();
        ds.setMoney(QStringLiteral("kcje"), ds.money(QStringLiteral("kcsl")) * ds.money(QStringLiteral("kcjg")));
        // The edit buffer is what reads see until post.
        QCOMPARE(ds.text(QStringLiteral("kcje")), QStringLiteral("7.68"));
        ds.post();
        QCOMPARE(t.db().scalar(QStringLiteral("select kcje from sp")).toLongLong(), 76800);

        ds.edit();
        QVERIFY_THROWS_EXCEPTION(DbError, ds.setText(QStringLiteral("kcsl"), QStringLiteral("3件")));
        ds.cancel();
        QCOMPARE(ds.money(QStringLiteral("kcsl")), Money(3));

        ds.remove();
        QCOMPARE(ds.count(), 0);
        QCOMPARE(ds.currentRow(), -1);
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from sp")).toInt(), 0);
    }

    void userTextIsBoundNotSpliced() {
        TestDatabase t;
        Dataset& ds = *t.dm().AQghs1;
        ds.open();
        addSupplier(ds, QStringLiteral("O'Brien 商行"));
        addSupplier(ds, QStringLiteral("百分百%食品"));
        addSupplier(ds, QStringLiteral("华联"));

        SqlText q(QStringLiteral("SELECT * FROM ghs"));
        q.add(QStringLiteral("where mc like ?"), SqlText::contains(QStringLiteral("'")));
        q.add(QStringLiteral("order by id"));
        ds.open(q);
        QCOMPARE(column(ds, QStringLiteral("mc")), QStringList{QStringLiteral("O'Brien 商行")});

        // An attempt to change the statement is just text that matches nothing.
        SqlText evil(QStringLiteral("SELECT * FROM ghs"));
        evil.add(QStringLiteral("where mc like ?"), SqlText::contains(QStringLiteral("x' or '1'='1")));
        ds.open(evil);
        QCOMPARE(ds.count(), 0);

        // Wildcards a person types still work.
        SqlText wild(QStringLiteral("SELECT * FROM ghs"));
        wild.add(QStringLiteral("where mc like ?"), SqlText::contains(QStringLiteral("百%食")));
        ds.open(wild);
        QCOMPARE(ds.count(), 1);
    }

    void emptyLikeBoxMatchesRowsWhoseFieldIsPresent() {
        TestDatabase t;
        Dataset& ds = *t.dm().AQghs1;
        ds.open();
        addSupplier(ds, QStringLiteral("甲厂"), QStringLiteral("张三"));
        addSupplier(ds, QStringLiteral("乙厂"), QStringLiteral(""));
        addSupplier(ds, QStringLiteral("丙厂")); // contact missing altogether
        SqlText q(QStringLiteral("SELECT * FROM ghs"));
        q.cond(QStringLiteral("mc like ?"), SqlText::contains(QString()));
        q.cond(QStringLiteral("lxr like ?"), SqlText::contains(QString()));
        q.add(QStringLiteral("order by id"));
        QCOMPARE(q.lines(), (QStringList{QStringLiteral("SELECT * FROM ghs"), QStringLiteral("where mc like ?"),
                                         QStringLiteral("and lxr like ?"), QStringLiteral("order by id")}));
        ds.open(q);
        QCOMPARE(column(ds, QStringLiteral("mc")), (QStringList{QStringLiteral("甲厂"), QStringLiteral("乙厂")}));
    }

    void totalsQueryTakesTheSameConditions() {
        SqlText q(QStringLiteral("SELECT * FROM cgfx"));
        q.add(QStringLiteral("where ghs like ?"), SqlText::contains(QStringLiteral("甲")));
        q.add(QStringLiteral("and rq>=? and rq<=?"), {QStringLiteral("2010-05-01"), QStringLiteral("2010-05-04")});
        q.add(QStringLiteral("order by id"));
        const SqlText sums = q.withSelect(QStringLiteral("SELECT sum(sl),sum(je) FROM cgfx"));
        QCOMPARE(sums.lines(), (QStringList{QStringLiteral("SELECT sum(sl),sum(je) FROM cgfx"),
                                            QStringLiteral("where ghs like ?"),
                                            QStringLiteral("and rq>=? and rq<=?")}));
        QCOMPARE(sums.binds(), (QVariantList{QStringLiteral("%甲%"), QStringLiteral("2010-05-01"),
                                             QStringLiteral("2010-05-04")}));
    }

    void clientSortTogglesAndKeepsTheCurrentRecord() {
        TestDatabase t;
        Dataset& ds = *t.dm().AQsp1;
        ds.open();
        const struct { const char* name; const char* qty; } rows[] = {
            {"b", "2"}, {"a", "-1"}, {"c", "2"}, {"a", "10"}};
        for (const auto& r : rows) {
            ds.append();
            ds.setText(QStringLiteral("ppgg"), QString::fromUtf8(r.name));
            ds.setText(QStringLiteral("kcsl"), QString::fromUtf8(r.qty));
            ds.post();
        }
        ds.setCurrentRow(2); // "c"
        ds.setSortOrder(QStringLiteral("ppgg ASC"));
        QCOMPARE(column(ds, QStringLiteral("ppgg")), (QStringList{"a", "a", "b", "c"}));
        // Equal names keep entry order.
        QCOMPARE(column(ds, QStringLiteral("kcsl")), (QStringList{"-1.00", "10.00", "2.00", "2.00"}));
        QCOMPARE(ds.text(QStringLiteral("ppgg")), QStringLiteral("c"));
        ds.setSortOrder(QStringLiteral("kcsl DESC"));
        QCOMPARE(column(ds, QStringLiteral("kcsl")), (QStringList{"10.00", "2.00", "2.00", "-1.00"}));
        QCOMPARE(column(ds, QStringLiteral("ppgg")), (QStringList{"a", "b", "c", "a"}));
        // A new query returns the query's order.
        ds.requery();
        QCOMPARE(column(ds, QStringLiteral("ppgg")), (QStringList{"b", "a", "c", "a"}));
        QVERIFY(ds.sortOrder().isEmpty());
    }

    void titleClicksSortAscDescAsc() {
        TestDatabase t;
        Dataset& ds = *t.dm().AQghs1;
        DatasetView view;
        view.setDataset(&ds);
        view.clickTitle(0); // closed: nothing happens
        QVERIFY(ds.sortOrder().isEmpty());
        ds.open();
        addSupplier(ds, QStringLiteral("b"));
        addSupplier(ds, QStringLiteral("a"));
        const int mc = ds.fieldIndex(QStringLiteral("mc"));
        const int lxr = ds.fieldIndex(QStringLiteral("lxr"));
        const QStringList expected{QStringLiteral("mc ASC"), QStringLiteral("mc DESC"), QStringLiteral("mc ASC")};
        for (const QString& order : expected) {
            view.clickTitle(mc);
            QCOMPARE(ds.sortOrder(), order);
        }
        QCOMPARE(ds.headerData(mc, Qt::Horizontal, Qt::FontRole).value<QFont>().bold(), true);
        view.clickTitle(lxr);
        QCOMPARE(ds.sortOrder(), QStringLiteral("lxr ASC"));
        QVERIFY(!ds.headerData(mc, Qt::Horizontal, Qt::FontRole).isValid());
        // The bold title stays across a new query.
        ds.requery();
        QCOMPARE(ds.headerData(lxr, Qt::Horizontal, Qt::FontRole).value<QFont>().bold(), true);
    }

    void cursorWalksTheVisibleRows() {
        TestDatabase t;
        Dataset& ds = *t.dm().AQdw1;
        ds.open(SqlText(QStringLiteral("select*from dw")).add(QStringLiteral("order by id")));
        QStringList seen;
        for (ds.first(); !ds.eof(); ds.next())
            seen << ds.text(QStringLiteral("dw"));
        QCOMPARE(seen.size(), ds.count());
        QCOMPARE(seen.first(), QStringLiteral("个"));
        ds.close();
        QVERIFY(ds.eof());
        QCOMPARE(ds.count(), 0);
        QCOMPARE(ds.columnCount(), 0);
        QVERIFY_THROWS_EXCEPTION(DbError, ds.text(QStringLiteral("dw")));
        QCOMPARE(ds.sum(QStringLiteral("dw")), Money());
    }

    void twoViewsShareRowsAndCurrentRow() {
        TestDatabase t;
        Dataset& ds = *t.dm().AQdw1;
        ds.open();
        DatasetView a;
        DatasetView b;
        a.setDataset(&ds);
        b.setDataset(&ds);
        QCOMPARE(a.model(), b.model());
        ds.setCurrentRow(3);
        QCOMPARE(a.currentIndex().row(), 3);
        QCOMPARE(b.currentIndex().row(), 3);
        a.setCurrentIndex(ds.index(1, 0));
        QCOMPARE(ds.currentRow(), 1);
        QCOMPARE(b.currentIndex().row(), 1);
    }

    void closingTheConnectionThenOpeningADatasetReopensIt() {
        TestDatabase t;
        t.dm().AQdw1->open();
        t.db().close();
        t.dm().AQlb1->open();
        QVERIFY(t.dm().AQlb1->count() > 0);
    }
};

QTEST_MAIN(TestDataset)
#include "tst_dataset.moc"

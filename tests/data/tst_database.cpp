#include "core/Clock.h"
#include "core/PasswordHash.h"
#include "data/DM1.h"
#include "data/Schema.h"
#include "data/SqlText.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestDatabaseFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newDatabaseHasEveryTableAndField() {
        TestDatabase t;
        for (const Schema::Table& table : Schema::tables()) {
            const auto cols = t.db().rows(QStringLiteral("select name, type from pragma_table_info(?)"),
                                          {table.name});
            QStringList names;
            for (const auto& c : cols)
                names << c[0].toString();
            QStringList expected{QStringLiteral("id")};
            for (const Schema::Field& f : table.fields)
                expected << f.name;
            QCOMPARE(names, expected);
            // Number fields are integer ten-thousandths; everything else is text.
            for (const auto& c : cols) {
                const Schema::Field* f = table.field(c[0].toString());
                if (f)
                    QCOMPARE(c[1].toString(), f->kind == Schema::Kind::Money ? QStringLiteral("INTEGER")
                                                                             : QStringLiteral("TEXT"));
            }
        }
        QCOMPARE(t.db().scalar(QStringLiteral("PRAGMA user_version")).toInt(), Schema::Version);
        QVERIFY(t.db().exists(QStringLiteral(
            "select 1 from sqlite_master where type='index' and name='ix_xsglc_dh_bj'")));
    }

    void newDatabaseHasTheDefaultRows() {
        TestDatabase t;
        Database& db = t.db();
        const QString admin = QStringLiteral("系统管理员");
        const QString stored = db.scalar(QStringLiteral("select yhmm from yhsz where yhmc=?"), {admin}).toString();
        QVERIFY(PasswordHash::isHash(stored));
        QVERIFY(PasswordHash::verify(stored, QString()));
        QVERIFY(!PasswordHash::verify(stored, QStringLiteral(" ")));

        QStringList granted;
        for (const auto& r : db.rows(QStringLiteral("select qx from quanxian where yh=? order by id"), {admin}))
            granted << r[0].toString();
        QCOMPARE(granted, Schema::permissionNames());
        QCOMPARE(granted.size(), 9);

        const auto level = db.rows(QStringLiteral("select dj, zk from dj"));
        QCOMPARE(level.size(), 1);
        QCOMPARE(level[0][0].toString(), QStringLiteral("无卡顾客"));
        QCOMPARE(level[0][1].toLongLong(), Money(1).raw());

        const auto walkIn = db.rows(QStringLiteral("select bm, mc, dj, zk, ztbj from kh"));
        QCOMPARE(walkIn.size(), 1);
        QCOMPARE(walkIn[0][0].toString(), QStringLiteral("0"));
        QCOMPARE(walkIn[0][1].toString(), QStringLiteral("无卡顾客"));
        QCOMPARE(walkIn[0][2].toString(), QStringLiteral("无卡顾客"));
        QCOMPARE(walkIn[0][3].toLongLong(), Money(1).raw());
        QCOMPARE(walkIn[0][4].toString(), QStringLiteral("可用"));

        const auto shop = db.rows(QStringLiteral("select mczc, mcdy, dy from danwei"));
        QCOMPARE(shop.size(), 1);
        QVERIFY(!shop[0][0].toString().isEmpty());
        QVERIFY(!shop[0][1].toString().isEmpty());
        QCOMPARE(shop[0][2].toString(), QStringLiteral("不打印"));
        QVERIFY(db.exists(QStringLiteral("select 1 from dw where dw=?"), {QStringLiteral("个")}));
    }

    void createNewNeverOverwrites() {
        QTemporaryDir dir;
        const QString path = Database::filePath(dir.path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("shop data");
        f.close();
        QVERIFY(!Database::createNew(dir.path()));
        QFile again(path);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), QByteArray("shop data"));
    }

    void refusesUnusableFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("error");
        QTest::newRow("missing") << QByteArray() << false << int(Database::OpenError::Missing);
        QTest::newRow("foreign file") << QByteArray("Name,Price\nTea,3.50\n") << true
                                      << int(Database::OpenError::NotADatabase);
        QByteArray corrupt("SQLite format 3\0", 16);
        corrupt += QByteArray(4096, '\x5a');
        QTest::newRow("corrupt") << corrupt << true << int(Database::OpenError::NotADatabase);
        QTest::newRow("empty database") << QByteArray("empty") << true
                                        << int(Database::OpenError::MissingTables);
    }

    void refusesUnusableFiles() {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        QFETCH(int, error);
        QTemporaryDir dir;
        const QString path = Database::filePath(dir.path());
        if (content == "empty") {
            // A real SQLite file that is not the shop's.
            QVERIFY(Database::createNew(dir.path()));
            Database db(dir.path());
            QCOMPARE(db.open(), Database::OpenError::None);
            for (const Schema::Table& t : Schema::tables())
                db.exec(QStringLiteral("drop table ") + t.name);
            db.close();
        } else if (present) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        Database db(dir.path());
        QCOMPARE(int(db.open()), error);
        QVERIFY(!db.isOpen());
        TDM1 dm(dir.path());
        QVERIFY(!dm.connect());
        // The refusal never creates or changes the file.
        QCOMPARE(QFile::exists(path), present);
    }

    void connectionSettings() {
        TestDatabase t;
        Database& db = t.db();
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 2); // FULL
        // Like matches the case as stored.
        QVERIFY(!db.scalar(QStringLiteral("select 'ABC' like '%b%'")).toBool());
        QVERIFY(db.scalar(QStringLiteral("select 'ABC' like '%B%'")).toBool());
        // Money functions round like Money: 12.50 x 0.85 = 10.625 stays exact at four places,
        // 0.0003 x 0.5 = 0.00015 rounds half to even.
        QCOMPARE(db.scalar(QStringLiteral("select mmul(?,?)"), {125000, 8500}).toLongLong(), 106250);
        QCOMPARE(db.scalar(QStringLiteral("select mmul(3, 5000)")).toLongLong(), 2);
        QCOMPARE(db.scalar(QStringLiteral("select mdiv(10000, 30000)")).toLongLong(), 3333);
        QVERIFY(db.scalar(QStringLiteral("select mdiv(10000, 0)")).isNull());
        QCOMPARE(db.scalar(QStringLiteral("select mround(125000 + 1250, 2)")).toLongLong(), 126200);
    }

    void sumsOverNoRowsReadAsZero() {
        TestDatabase t;
        SqlText q(QStringLiteral("SELECT sum(sl),sum(je) FROM cgfx"));
        q.add(QStringLiteral("where rq=?"), Clock::todayText());
        const QList<Money> s = t.db().sums(q);
        QCOMPARE(s.size(), 2);
        QCOMPARE(s[0], Money());
        QCOMPARE(s[1], Money());
    }

    void closedConnectionReopensOnNextUse() {
        TestDatabase t;
        t.db().close();
        QVERIFY(!t.db().isOpen());
        t.dm().AQkh1->open();
        QVERIFY(t.db().isOpen());
        QCOMPARE(t.dm().AQkh1->count(), 1);
        // The money functions come back with the connection.
        QCOMPARE(t.db().scalar(QStringLiteral("select mmul(20000, 20000)")).toLongLong(), 40000);
    }

    void rolledBackCommandLeavesNothingBehind() {
        TestDatabase t;
        Dataset& ds = *t.dm().AQdw1;
        ds.open();
        const int before = ds.count();
        try {
            Transaction tx(t.db());
            for (const char* u : {"双", "对"}) {
                ds.append();
                ds.setText(QStringLiteral("dw"), QString::fromUtf8(u));
                ds.post();
            }
            QCOMPARE(ds.count(), before + 2);
            t.db().exec(QStringLiteral("insert into nosuchtable values(1)"));
            tx.commit();
            QFAIL("the failing statement must throw");
        } catch (const DbError& e) {
            QVERIFY(e.message().contains(QStringLiteral("nosuchtable")));
        }
        QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from dw")).toInt(), before);
        // The shared dataset shows the file as it is again.
        QCOMPARE(ds.count(), before);
        QCOMPARE(ds.find(QStringLiteral("dw"), QStringLiteral("双")), -1);
        QCOMPARE(t.db().transactionDepth(), 0);
    }

    void nestedTransactionsCommitWithTheOuterOne() {
        TestDatabase t;
        Database& db = t.db();
        {
            Transaction outer(db);
            db.exec(QStringLiteral("insert into lb (lb) values(?)"), {QStringLiteral("饮料")});
            {
                Transaction inner(db);
                db.exec(QStringLiteral("insert into lb (lb) values(?)"), {QStringLiteral("零食")});
                // inner rolls back on leaving the scope
            }
            outer.commit();
        }
        QVERIFY(db.exists(QStringLiteral("select 1 from lb where lb=?"), {QStringLiteral("饮料")}));
        QVERIFY(!db.exists(QStringLiteral("select 1 from lb where lb=?"), {QStringLiteral("零食")}));
    }
};

QTEST_MAIN(TestDatabaseFile)
#include "tst_database.moc"

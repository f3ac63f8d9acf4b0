#include "app/SplashWindow.h"
#include "app/Startup.h"
#include "app/TFmain1.h"
#include "data/DM1.h"
#include "data/Database.h"
#include "support/MessageRecorder.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool anyWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return true;
    return false;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unusableDatabaseEndsBeforeLogin_data();
    void unusableDatabaseEndsBeforeLogin();
    void login_data();
    void login();
};

void TestStartup::unusableDatabaseEndsBeforeLogin_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("no database file") << QStringLiteral("missing");
    QTest::newRow("not a database") << QStringLiteral("garbage");
    QTest::newRow("no shop row") << QStringLiteral("no shop");
}

void TestStartup::unusableDatabaseEndsBeforeLogin() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    if (kind == QStringLiteral("garbage")) {
        QFile f(Database::filePath(dir.path()));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is not a database at all, only text");
    } else if (kind == QStringLiteral("no shop")) {
        QVERIFY(Database::createNew(dir.path()));
        Database db(dir.path());
        QCOMPARE(db.open(), Database::OpenError::None);
        db.exec(QStringLiteral("delete from danwei"));
    }

    MessageRecorder rec;
    Startup startup(dir.path());
    bool loginShown = false;
    startup.login = [&](TDM1&) { return loginShown = true; };

    QVERIFY(!startup.run());
    QCOMPARE(startup.exitCode(), 1);
    QCOMPARE(rec.boxes.size(), 1);
    QCOMPARE(rec.boxes[0].text, QStringLiteral("数据库文件丢失，软件无法运行，请重新复制本软件！"));
    QCOMPARE(rec.boxes[0].caption, QStringLiteral("错误"));
    QCOMPARE(rec.boxes[0].icon, Messages::Icon::Error);
    QVERIFY(!loginShown);
    QVERIFY(!startup.mainWindow());
    QVERIFY(!anyWindowVisible());
    // The splash had its second before the database was tried.
    QVERIFY2(startup.splashShownFor() >= 1000, qPrintable(QString::number(startup.splashShownFor())));
}

void TestStartup::login_data() {
    QTest::addColumn<bool>("accepted");
    QTest::newRow("logged in: main window ready") << true;
    QTest::newRow("login cancelled: the program ends") << false;
}

void TestStartup::login() {
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    QVERIFY(Database::createNew(dir.path()));
    MessageRecorder rec;
    Startup startup(dir.path());
    startup.splashMilliseconds = 0;
    bool splashGone = false;
    startup.login = [&](TDM1& dm) {
        splashGone = true;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<SplashWindow*>(w) || w->isVisible())
                splashGone = false;
        // The data module is connected, the main window made but not shown.
        return accepted && dm.db().isOpen() && TFmain1::instance() &&
               !TFmain1::instance()->isVisible();
    };

    QCOMPARE(startup.run(), accepted);
    QVERIFY(splashGone);
    QCOMPARE(startup.exitCode(), 0);
    QVERIFY(rec.boxes.isEmpty());
    QVERIFY(startup.mainWindow());
    QCOMPARE(startup.mainWindow()->windowTitle(), QStringLiteral("我的小店"));
    QVERIFY(!startup.mainWindow()->isVisible());
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("zur软件通用行业版"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

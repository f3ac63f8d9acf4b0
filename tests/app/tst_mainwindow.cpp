#include "app/TFgy1.h"
#include "app/TFmain1.h"
#include "core/Clock.h"
#include "data/DM1.h"
#include "data/Schema.h"
#include "data/ui/DialogRunner.h"
#include "print/ui/TFntoc1.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const QString Admin = QStringLiteral("系统管理员");

// A task window that stands for any child window kind.
class DummyWindow : public QWidget {
    Q_OBJECT
public:
    DummyWindow() { setAttribute(Qt::WA_DeleteOnClose); }
};

// Every gated item, and the items that no permission touches.
QStringList gatedItems() {
    QStringList all;
    for (const TFmain1::Gate& g : TFmain1::gates())
        all << g.items;
    return all;
}
const QStringList NeverGated = {"N105", "N106", "N107", "N109", "N110", "N111", "N407", "N801",
                                "N802", "N804", "N805", "N806", "N809", "N810", "N10"};

void addOperator(Database& db, const QString& name, const QStringList& permissions) {
    db.exec(QStringLiteral("insert into yhsz (yhmc,yhmm) values(?,?)"), {name, QString()});
    for (const QString& p : permissions)
        db.exec(QStringLiteral("insert into quanxian (yh,qx) values(?,?)"), {name, p});
}

// The main window after a login of that operator, shown (which applies the permissions).
std::unique_ptr<TFmain1> mainWindowFor(TDM1& dm, const QString& name) {
    dm.AQyhsz1->open(SqlText({QStringLiteral("select * from yhsz where yhmc=?")}, {name}));
    auto w = std::make_unique<TFmain1>(dm);
    w->show();
    return w;
}

void addMember(Database& db, const QString& card, const QString& birth) {
    db.exec(QStringLiteral("insert into kh (bm,mc,csrq) values(?,?,?)"), {card, card, birth});
}

QStringList cards(const Dataset& ds) {
    QStringList out;
    for (int r = 0; r < ds.count(); ++r)
        out << ds.text(r, ds.fieldIndex(QStringLiteral("bm")));
    out.sort();
    return out;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captionIsShopName();
    void menusMatchRegistry();
    void gating_data();
    void gating();
    void toolBarButtonsPerformTheirItems();
    void disabledItemButtonDoesNothing_data();
    void disabledItemButtonDoesNothing();
    void modalItems_data();
    void modalItems();
    void childWindowOpensOnce();
    void childWindowClosingItselfLeavesNoFrame();
    void startupWindowsOpenOnce();
    void exitQuestions_data();
    void exitQuestions();
    void birthdaysAcrossYearEnd();
    void birthdayHookRunsOnFirstShowOnly_data();
    void birthdayHookRunsOnFirstShowOnly();
    void clock();
    void aboutBoxCloses_data();
    void aboutBoxCloses();
};

void TestMainWindow::captionIsShopName() {
    TestDatabase t;
    t.db().exec(QStringLiteral("update danwei set mczc=?"), {QStringLiteral("东街便利店")});
    t.dm().ATdanwei1->close();
    TFmain1 w(t.dm());
    QCOMPARE(w.windowTitle(), QStringLiteral("东街便利店"));
    QCOMPARE(TFmain1::instance(), &w);
}

// Every menu item has its line in the window table, and every line names a real item (or one
// of the main window's own hooks).
void TestMainWindow::menusMatchRegistry() {
    TestDatabase t;
    TFmain1 w(t.dm());
    QStringList items;
    for (QAction* a : w.findChildren<QAction*>(QRegularExpression(QStringLiteral("^N\\d+$"))))
        if (!a->isSeparator())
            items << a->objectName();
    items.sort();
    QStringList keys = w.windows().keys();
    keys.removeAll(QStringLiteral("TFtixing1"));
    keys.sort();
    QCOMPARE(keys, items);
    QCOMPARE(items.size(), 38);
    // 退出本软件 sits on the menu bar itself, after the six menus.
    const QList<QAction*> bar = w.menuBar()->actions();
    QCOMPARE(bar.size(), 7);
    QCOMPARE(bar.last()->objectName(), QStringLiteral("N10"));
    QCOMPARE(bar.last()->text(), QStringLiteral("退出本软件"));
}

void TestMainWindow::gating_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("permissions");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QString>("kcsc");
    QTest::addColumn<QString>("kcjg");

    QTest::newRow("no permission rows: every gated item off")
        << QStringLiteral("店员") << QStringList() << QStringList() << QStringLiteral("不归零")
        << QStringLiteral("不显价格");
    QTest::newRow("administrator: everything on")
        << Admin << QStringList() << gatedItems() << QStringLiteral("归零")
        << QStringLiteral("显示价格");
    QTest::newRow("purchasing and stock zeroing only")
        << QStringLiteral("采购员") << QStringList{"采购管理", "库存归零"}
        << QStringList{"N301", "N406"} << QStringLiteral("归零") << QStringLiteral("不显价格");
    QTest::newRow("sales, finance and stock prices")
        << QStringLiteral("收银员") << QStringList{"销售管理", "财务管理", "显示库存价格"}
        << QStringList{"N302", "N401", "N402", "N403", "N404", "N701", "N702", "N704", "N705",
                       "N707"}
        << QStringLiteral("不归零") << QStringLiteral("显示价格");
    QTest::newRow("system, master data, members, other stock")
        << QStringLiteral("店长") << QStringList{"系统设置", "基本资料", "会员管理", "其他出入库"}
        << QStringList{"N101", "N102", "N104", "N201", "N202", "N204", "N203", "N206", "N306",
                       "N303", "N304"}
        << QStringLiteral("不归零") << QStringLiteral("不显价格");
    // A name that would break a statement built by splicing.
    QTest::newRow("quote in the operator's name")
        << QStringLiteral("O'Neil") << QStringList{"采购管理"} << QStringList{"N301", "N406"}
        << QStringLiteral("不归零") << QStringLiteral("不显价格");
    // The permission names must match exactly.
    QTest::newRow("permission names that only look alike")
        << QStringLiteral("新手") << QStringList{"采购管理 ", "销售"} << QStringList()
        << QStringLiteral("不归零") << QStringLiteral("不显价格");
}

void TestMainWindow::gating() {
    QFETCH(QString, name);
    QFETCH(QStringList, permissions);
    QFETCH(QStringList, enabled);
    QFETCH(QString, kcsc);
    QFETCH(QString, kcjg);

    TestDatabase t;
    MessageRecorder rec;
    if (name != Admin)
        addOperator(t.db(), name, permissions);
    auto w = mainWindowFor(t.dm(), name);

    QCOMPARE(w->STyhm(), name);
    QCOMPARE(w->findChild<QLabel*>(QStringLiteral("StatusPanel0"))->text(),
             QStringLiteral("操作员：") + name);
    for (const QString& item : gatedItems())
        QVERIFY2(w->menuAction(item)->isEnabled() == enabled.contains(item), qPrintable(item));
    for (const QString& item : NeverGated)
        QVERIFY2(w->menuAction(item)->isEnabled(), qPrintable(item));
    QCOMPARE(w->STkcsc(), kcsc);
    QCOMPARE(w->STkcjg(), kcjg);
    QVERIFY(rec.boxes.isEmpty());

    // Read once: permissions granted later count from the next start.
    t.db().exec(QStringLiteral("insert into quanxian (yh,qx) values(?,?)"),
                {name, QStringLiteral("系统设置")});
    w->hide();
    w->show();
    QCOMPARE(w->menuAction(QStringLiteral("N101"))->isEnabled(), enabled.contains("N101"));
}

void TestMainWindow::toolBarButtonsPerformTheirItems() {
    TestDatabase t;
    auto w = mainWindowFor(t.dm(), Admin);
    QStringList performed;
    for (const char* item : {"N201", "N202", "N203", "N301", "N302", "N407"})
        w->windows().set(QString::fromLatin1(item),
                         WindowRegistry::command([&performed, item](WindowContext&) {
                             performed << QString::fromLatin1(item);
                         }));
    for (int i = 1; i <= 6; ++i) {
        auto* button = w->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(i));
        QVERIFY(button);
        QCOMPARE(button->size(), QSize(65, 45));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(performed, (QStringList{"N202", "N203", "N201", "N301", "N302", "N407"}));
}

void TestMainWindow::disabledItemButtonDoesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("opened");
    QTest::newRow("without 基本资料 the 商品 button opens nothing") << QStringLiteral("店员") << 0;
    QTest::newRow("with it the button opens the products window") << Admin << 1;
}

void TestMainWindow::disabledItemButtonDoesNothing() {
    QFETCH(QString, name);
    QFETCH(int, opened);
    TestDatabase t;
    if (name != Admin)
        addOperator(t.db(), name, {});
    auto w = mainWindowFor(t.dm(), name);
    w->windows().set(QStringLiteral("N201"), WindowRegistry::child<DummyWindow>());
    QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("SpeedButton3")), Qt::LeftButton);
    QCOMPARE(w->mdiArea()->subWindowList().size(), opened);
}

void TestMainWindow::modalItems_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::newRow("店铺信息") << QStringLiteral("N101") << QStringLiteral("TFdanwei1");
    QTest::newRow("操作员与权限") << QStringLiteral("N102") << QStringLiteral("TFyhsz1");
    QTest::newRow("关于本软件") << QStringLiteral("N810") << QStringLiteral("TFgy1");
}

// A modal item makes its dialog over the main window, runs it and deletes it afterwards.
void TestMainWindow::modalItems() {
    QFETCH(QString, item);
    QFETCH(QString, window);
    TestDatabase t;
    MessageRecorder rec;
    auto w = mainWindowFor(t.dm(), Admin);
    QPointer<QDialog> shown;
    QString seen;
    QWidget* parent = nullptr;
    {
        DialogRunner::Scope scope([&](QDialog& d) {
            shown = &d;
            seen = QString::fromLatin1(d.metaObject()->className());
            parent = d.parentWidget();
            return int(QDialog::Rejected);
        });
        w->menuAction(item)->trigger();
    }
    QCOMPARE(seen, window);
    QCOMPARE(parent, static_cast<QWidget*>(w.get()));
    QVERIFY(shown.isNull());
    QCOMPARE(w->mdiArea()->subWindowList().size(), 0);
}

void TestMainWindow::childWindowOpensOnce() {
    TestDatabase t;
    auto w = mainWindowFor(t.dm(), Admin);
    QAction* item = w->menuAction(QStringLiteral("N802"));
    QMdiArea* mdi = w->mdiArea();

    item->trigger();
    item->trigger();
    QCOMPARE(mdi->subWindowList().size(), 1);
    QMdiSubWindow* sub = mdi->subWindowList().first();
    QVERIFY(qobject_cast<TFntoc1*>(sub->widget()));

    // Another kind opens beside it; asking for the first again brings it back, restored.
    w->windows().set(QStringLiteral("N201"), WindowRegistry::child<DummyWindow>());
    w->menuAction(QStringLiteral("N201"))->trigger();
    QCOMPARE(mdi->subWindowList().size(), 2);
    sub->showMinimized();
    QVERIFY(sub->isMinimized());
    item->trigger();
    QCOMPARE(mdi->subWindowList().size(), 2);
    QVERIFY(!sub->isMinimized());
    QVERIFY(sub->isVisible());
    QCOMPARE(mdi->activeSubWindow(), sub);

    // Once closed, the item opens a new one.
    sub->close();
    QTRY_COMPARE(mdi->subWindowList().size(), 1);
    item->trigger();
    QCOMPARE(mdi->subWindowList().size(), 2);
}

void TestMainWindow::childWindowClosingItselfLeavesNoFrame() {
    TestDatabase t;
    auto w = mainWindowFor(t.dm(), Admin);
    DummyWindow* child = w->openChild<DummyWindow>();
    QVERIFY(child);
    QCOMPARE(w->mdiArea()->subWindowList().size(), 1);
    child->close();
    QTRY_COMPARE(w->mdiArea()->subWindowList().size(), 0);
    QVERIFY(w->openChild<DummyWindow>());
    QCOMPARE(w->mdiArea()->subWindowList().size(), 1);
}

void TestMainWindow::startupWindowsOpenOnce() {
    TestDatabase t;
    TFmain1 w(t.dm());
    w.windows().set(QStringLiteral("N806"),
                    WindowRegistry::atStart(WindowRegistry::child<DummyWindow>()));
    w.openStartupWindows();
    QCOMPARE(w.mdiArea()->subWindowList().size(), 1);
    QVERIFY(qobject_cast<DummyWindow*>(w.mdiArea()->subWindowList().first()->widget()));
    // From the menu it is brought back like any child window.
    w.openWindow(QStringLiteral("N806"));
    QCOMPARE(w.mdiArea()->subWindowList().size(), 1);
}

void TestMainWindow::exitQuestions_data() {
    QTest::addColumn<QList<Messages::Answer>>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("backup");
    const QString sure = QStringLiteral("确定要退出本系统吗？");
    const QString backup = QStringLiteral("退出时需要备份数据吗？");
    QTest::newRow("cancel keeps the program running")
        << QList<Messages::Answer>{Messages::Answer::Cancel} << QStringList{sure} << false << false;
    QTest::newRow("ok, no backup")
        << QList<Messages::Answer>{Messages::Answer::Ok, Messages::Answer::No}
        << QStringList{sure, backup} << true << false;
    QTest::newRow("ok, backup first")
        << QList<Messages::Answer>{Messages::Answer::Ok, Messages::Answer::Yes}
        << QStringList{sure, backup} << true << true;
}

void TestMainWindow::exitQuestions() {
    QFETCH(QList<Messages::Answer>, answers);
    QFETCH(QStringList, questions);
    QFETCH(bool, closed);
    QFETCH(bool, backup);

    TestDatabase t;
    auto w = mainWindowFor(t.dm(), Admin);
    bool backedUp = false;
    w->windows().set(QStringLiteral("N105"),
                     WindowRegistry::command([&](WindowContext&) { backedUp = true; }));
    MessageRecorder rec;
    for (auto a : answers)
        rec.answers.enqueue(a);

    w->menuAction(QStringLiteral("N10"))->trigger();

    QCOMPARE(rec.texts(), questions);
    for (const Messages::Box& box : rec.boxes) {
        QCOMPARE(box.caption, QStringLiteral("提示"));
        QCOMPARE(box.icon, Messages::Icon::Question);
    }
    QCOMPARE(rec.boxes.first().buttons, Messages::Buttons::OkCancel);
    QCOMPARE(w->isVisible(), !closed);
    QCOMPARE(backedUp, backup);
    // The file was let go before the first question.
    QVERIFY(!t.db().isOpen());
    if (!closed) {
        // The next dataset that opens reconnects.
        t.dm().AQsp1->open(SqlText(QStringLiteral("select * from sp")));
        QVERIFY(t.db().isOpen());
        QCOMPARE(t.db().scalar(QStringLiteral("select yhmc from yhsz")).toString(), Admin);
    }
}

void TestMainWindow::birthdaysAcrossYearEnd() {
    TestDatabase t(QDateTime(QDate(2010, 12, 31), QTime(9, 0)));
    addMember(t.db(), QStringLiteral("A1231"), QStringLiteral("19801231"));
    addMember(t.db(), QStringLiteral("B0101"), QStringLiteral("19800101"));
    addMember(t.db(), QStringLiteral("C0102"), QStringLiteral("19990102"));
    addMember(t.db(), QStringLiteral("D0103"), QStringLiteral("19800103"));
    addMember(t.db(), QStringLiteral("E0104"), QStringLiteral("19800104"));
    addMember(t.db(), QStringLiteral("F0105"), QStringLiteral("19800105"));
    addMember(t.db(), QStringLiteral("G1230"), QStringLiteral("19801230"));
    addMember(t.db(), QStringLiteral("H0131"), QStringLiteral("19800131"));

    // Today and the four days after it: 31 December to 4 January.
    QVERIFY(TFmain1::openBirthdays(t.dm(), Clock::today()));
    QCOMPARE(cards(*t.dm().AQkh1),
             (QStringList{"A1231", "B0101", "C0102", "D0103", "E0104"}));

    QVERIFY(TFmain1::openBirthdays(t.dm(), QDate(2011, 1, 5)));
    QCOMPARE(cards(*t.dm().AQkh1), QStringList{"F0105"});
    QVERIFY(!TFmain1::openBirthdays(t.dm(), QDate(2011, 1, 6)));
}

void TestMainWindow::birthdayHookRunsOnFirstShowOnly_data() {
    QTest::addColumn<QString>("birth");
    QTest::addColumn<int>("reminders");
    QTest::newRow("birthday in four days") << QStringLiteral("19700508") << 1;
    QTest::newRow("birthday in five days") << QStringLiteral("19700509") << 0;
}

void TestMainWindow::birthdayHookRunsOnFirstShowOnly() {
    QFETCH(QString, birth);
    QFETCH(int, reminders);
    TestDatabase t; // today 2010-05-04
    addMember(t.db(), QStringLiteral("K1"), birth);
    t.dm().AQyhsz1->open(SqlText({QStringLiteral("select * from yhsz where yhmc=?")}, {Admin}));
    TFmain1 w(t.dm());
    int shown = 0;
    w.windows().set(QStringLiteral("TFtixing1"),
                    WindowRegistry::command([&](WindowContext&) { ++shown; }));
    w.show();
    w.hide();
    w.show();
    QCOMPARE(shown, reminders);
}

void TestMainWindow::clock() {
    TestDatabase t(QDateTime(QDate(2010, 5, 4), QTime(9, 5, 7)));
    QCOMPARE(TFmain1::clockText(Clock::now()),
             QStringLiteral("现在时刻：2010年05月04日 星期二 09时05分07秒"));
    QCOMPARE(TFmain1::clockText(QDateTime(QDate(2011, 1, 2), QTime(23, 59, 59))),
             QStringLiteral("现在时刻：2011年01月02日 星期日 23时59分59秒"));

    TFmain1 w(t.dm());
    auto* panel = w.findChild<QLabel*>(QStringLiteral("StatusPanel1"));
    QVERIFY(panel->text().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(panel->text(), TFmain1::clockText(Clock::now()), 3000);
}

void TestMainWindow::aboutBoxCloses_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("确定") << false;
    QTest::newRow("Esc") << true;
}

void TestMainWindow::aboutBoxCloses() {
    QFETCH(bool, escape);
    TFgy1 box;
    QCOMPARE(box.windowTitle(), QStringLiteral("关于本软件"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* ok = box.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QCOMPARE(ok->text(), QStringLiteral("确定"));
    if (escape)
        QTest::keyClick(&box, Qt::Key_Escape);
    else
        QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!box.isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

#include "admin/ShopInfo.h"
#include "admin/ui/TFdanwei1.h"
#include "app/TFmain1.h"
#include "app/WindowRegistry.h"
#include "data/DM1.h"
#include "data/Dataset.h"
#include "print/PrintForms.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList row(TestDatabase& t) {
    QStringList values;
    for (const char* f : {"mczc", "mcdy", "lxr", "dh", "cz", "dz", "bz1", "bz2", "dybz1", "dybz2",
                          "dybz3", "dybz4", "dy"})
        values << t.db().scalar(QStringLiteral("select %1 from danwei").arg(QLatin1String(f))).toString();
    return values;
}

int checkedRadio(const TFdanwei1& w) {
    for (int i = 1; i <= 5; ++i)
        if (w.radio(i)->isChecked())
            return i;
    return 0;
}

} // namespace

class TestDanwei : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensWithTheRowAndItsPrinter_data();
    void opensWithTheRowAndItsPrinter();
    void saveRefusesMissingNameOrHeading_data();
    void saveRefusesMissingNameOrHeading();
    void saveWritesEveryBoxAsTyped();
    void closingRebuildsTheMainTitle();
    void keyboard();
};

void TestDanwei::opensWithTheRowAndItsPrinter_data() {
    QTest::addColumn<QString>("dy");
    QTest::addColumn<int>("radio");
    QTest::newRow("并口小票") << "并口小票" << 1;
    QTest::newRow("普通单据") << "普通单据" << 2;
    QTest::newRow("不打印") << "不打印" << 3;
    QTest::newRow("USB口小票1") << "USB口小票1" << 4;
    QTest::newRow("USB口小票2") << "USB口小票2" << 5;
    QTest::newRow("another text keeps the third") << "激光打印" << 3;
}

void TestDanwei::opensWithTheRowAndItsPrinter() {
    QFETCH(QString, dy);
    QFETCH(int, radio);
    TestDatabase t;
    t.db().exec(QStringLiteral("update danwei set mczc=?,mcdy=?,lxr=?,dh=?,cz=?,dz=?,bz1=?,bz2=?,"
                               "dybz1=?,dybz2=?,dybz3=?,dybz4=?,dy=?"),
                {"店", "抬头", "王五", "123", "456", "北京路1号", "b1", "b2", "d1", "d2", "d3", "d4", dy});
    t.dm().ATdanwei1->close(); // the window reopens it
    TFdanwei1 w(t.dm());
    QCOMPARE(w.windowTitle(), QStringLiteral("填写店铺信息"));
    w.show();
    QStringList boxes;
    for (int i = 1; i <= 12; ++i)
        boxes << w.edit(i)->text();
    QCOMPARE(boxes, row(t).mid(0, 12));
    QCOMPARE(checkedRadio(w), radio);
    QCOMPARE(w.focusWidget(), w.edit(1));
}

void TestDanwei::saveRefusesMissingNameOrHeading_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    QTest::newRow("empty name") << "" << "抬头" << "店铺名称不可为空！" << 1;
    QTest::newRow("blank name") << "  　" << "抬头" << "店铺名称不可为空！" << 1;
    QTest::newRow("empty heading, name filled") << "店" << "" << "打印抬头不可为空！" << 2;
    QTest::newRow("both empty: the name first") << "" << "" << "店铺名称不可为空！" << 1;
}

void TestDanwei::saveRefusesMissingNameOrHeading() {
    QFETCH(QString, name);
    QFETCH(QString, heading);
    QFETCH(QString, message);
    QFETCH(int, focus);
    TestDatabase t;
    MessageRecorder rec;
    const QStringList before = row(t);
    TFdanwei1 w(t.dm());
    w.show();
    w.edit(1)->setText(name);
    w.edit(2)->setText(heading);
    w.edit(3)->setText(QStringLiteral("改了"));
    w.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    QCOMPARE(rec.boxes.size(), 1);
    QCOMPARE(rec.boxes[0].text, message);
    QCOMPARE(rec.boxes[0].caption, QStringLiteral("提示"));
    QCOMPARE(int(rec.boxes[0].icon), int(Messages::Icon::Information));
    QCOMPARE(w.focusWidget(), w.edit(focus));
    QVERIFY(w.isVisible());
    QCOMPARE(row(t), before);
}

void TestDanwei::saveWritesEveryBoxAsTyped() {
    TestDatabase t;
    MessageRecorder rec;
    TFdanwei1 w(t.dm());
    QSignalSpy shown(&w, &TFdanwei1::shopNameShown);
    w.show();
    QStringList typed;
    for (int i = 1; i <= 12; ++i) {
        typed << QStringLiteral(" 第%1格 ").arg(i); // kept untrimmed
        w.edit(i)->setText(typed.last());
    }
    w.radio(5)->setChecked(true);
    w.save();
    QVERIFY(rec.boxes.isEmpty());
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(!w.isVisible());
    QCOMPARE(row(t), typed + QStringList{QStringLiteral("USB口小票2")});
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0][0].toString(), typed[0]);
    // The next printed list carries the new heading.
    QCOMPARE(PrintForms::heading(t.dm(), QStringLiteral("商品价格表")),
             QStringLiteral(" 第2格 商品价格表"));
    // And the next opening shows the same.
    TFdanwei1 again(t.dm());
    again.show();
    QCOMPARE(again.edit(12)->text(), typed[11]);
    QCOMPARE(checkedRadio(again), 5);
}

void TestDanwei::closingRebuildsTheMainTitle() {
    TestDatabase t;
    MessageRecorder rec;
    TFmain1 main(t.dm());
    WindowContext context{t.dm(), main};
    const WindowRegistry registry = WindowRegistry::standard();
    const WindowEntry* entry = registry.find(QStringLiteral("N101"));
    QVERIFY(entry && entry->kind == WindowEntry::Kind::Modal);

    // Saved: the title shows the new name.
    std::unique_ptr<QWidget> made(entry->make(context));
    auto* w = qobject_cast<TFdanwei1*>(made.get());
    QVERIFY(w);
    w->load();
    w->edit(1)->setText(QStringLiteral("新名字"));
    w->save();
    QCOMPARE(main.windowTitle(), QStringLiteral("新名字"));

    // Closed without saving: rebuilt from what is stored, typing discarded.
    main.setWindowTitle(QStringLiteral("别的"));
    made.reset(entry->make(context));
    w = qobject_cast<TFdanwei1*>(made.get());
    w->load();
    w->edit(1)->setText(QStringLiteral("没保存"));
    w->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    QCOMPARE(main.windowTitle(), QStringLiteral("新名字"));
    QCOMPARE(ShopInfo::load(t.dm()).mczc, QStringLiteral("新名字"));
}

void TestDanwei::keyboard() {
    TestDatabase t;
    TFdanwei1 w(t.dm());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.edit(1)->setFocus();
    // Enter walks the boxes in number order, across the two columns.
    for (int i = 1; i < 12; ++i) {
        QTest::keyClick(w.edit(i), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.edit(i + 1));
    }
    QSignalSpy shown(&w, &TFdanwei1::shopNameShown);
    QTest::keyClick(w.edit(12), Qt::Key_Escape);
    QVERIFY(!w.isVisible());
    QCOMPARE(shown.size(), 1);
}

QTEST_MAIN(TestDanwei)
#include "tst_danwei.moc"

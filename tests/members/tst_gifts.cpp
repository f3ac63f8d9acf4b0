#include "data/DM1.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/QueryDialog.h"
#include "members/Gifts.h"
#include "members/ui/TFtjzp1.h"
#include "members/ui/TFzp1.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QBrush>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

Gifts::Input gift(const QString& name, const QString& code, const QString& unit,
                  const char* quantity = "1", const char* cost = "0") {
    Gifts::Input in;
    in.ppgg = name;
    in.txm = code;
    in.dw = unit;
    in.sl = Money::fromString(QString::fromLatin1(quantity));
    in.jg = Money::fromString(QString::fromLatin1(cost));
    return in;
}

Dataset& openGifts(TDM1& dm) {
    dm.AQzp1->open(SqlText({QStringLiteral("SELECT * FROM zp"), QStringLiteral("order by id")}, {}));
    return *dm.AQzp1;
}

QLineEdit* box(QWidget& w, const char* name) {
    auto* b = w.findChild<QLineEdit*>(QString::fromLatin1(name));
    if (!b)
        qFatal("no box %s", name);
    return b;
}

// Fills the entry dialog's boxes as a person would type them.
void type(TFtjzp1& d, const QString& name, const QString& code, const QString& unit,
          const QString& quantity, const QString& cost, const QString& points = QStringLiteral("0")) {
    box(d, "Edit1")->setText(name);
    box(d, "Edit2")->setText(code);
    box(d, "Edit3")->setText(unit);
    box(d, "Edit4")->setText(quantity);
    box(d, "Edit5")->setText(cost);
    box(d, "Edit6")->setText(points);
}

} // namespace

class TestGifts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }

    void tripleIsUniqueOnAdd_data();
    void tripleIsUniqueOnAdd();
    void savingRoundsAndDerivesTheValue_data();
    void savingRoundsAndDerivesTheValue();
    void quantityMustNotBeZero_data();
    void quantityMustNotBeZero();
    void entryDialogDefaultsAndNextRecord();
    void modifyingRecomputesTheValue();
    void totalsFollowSavesAndDeletes();
    void savingWithTheListClosedTouchesNoList();
    void queryLines_data();
    void queryLines();
    void queryDialogWritesTotalsAndRows();
};

void TestGifts::tripleIsUniqueOnAdd_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("refused");
    QTest::newRow("same triple") << "水杯" << "无" << "个" << true;
    QTest::newRow("empty code is 无") << "水杯" << "" << "个" << true;
    QTest::newRow("blanks around every part") << " 水杯 " << "  " << " 个" << true;
    QTest::newRow("other unit") << "水杯" << "" << "箱" << false;
    QTest::newRow("other code") << "水杯" << "B01" << "个" << false;
    QTest::newRow("other name") << "茶杯" << "" << "个" << false;
}

void TestGifts::tripleIsUniqueOnAdd() {
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QString, unit);
    QFETCH(bool, refused);
    TestDatabase t;
    Dataset& zp = openGifts(t.dm());
    QVERIFY(!Gifts::add(zp, gift(QStringLiteral("水杯"), QString(), QStringLiteral("个"))));
    QCOMPARE(zp.text(QStringLiteral("txm")), QStringLiteral("无"));

    const Gifts::Outcome r = Gifts::add(zp, gift(name, code, unit));
    QCOMPARE(bool(r), refused);
    QCOMPARE(zp.count(), refused ? 1 : 2);
    if (refused) {
        QCOMPARE(r->text, QStringLiteral("商品不可重复！"));
        QCOMPARE(r->kind, Gifts::Refusal::Kind::Warning);
        QCOMPARE(r->field, QStringLiteral("txm"));
    } else {
        QCOMPARE(zp.text(QStringLiteral("ppgg")), name.trimmed());
        QCOMPARE(zp.text(QStringLiteral("txm")), Gifts::code(code));
        QCOMPARE(zp.text(QStringLiteral("dw")), unit.trimmed());
    }
}

void TestGifts::savingRoundsAndDerivesTheValue_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("shownQuantity");
    QTest::addColumn<QString>("shownCost");
    QTest::addColumn<QString>("shownPoints");
    QTest::addColumn<QString>("value");
    QTest::newRow("5 at 2.50") << "5" << "2.5" << "10" << "5.00" << "2.50" << "10.00" << "12.50";
    QTest::newRow("cost rounded before the product")
        << "3" << "2.556" << "0" << "3.00" << "2.56" << "0.00" << "7.68";
    QTest::newRow("half to even on the boxes")
        << "1.125" << "0.135" << "2.005" << "1.12" << "0.14" << "2.00" << "0.16";
    QTest::newRow("product rounded half to even") << "0.5" << "0.25" << "0" << "0.50" << "0.25"
                                                  << "0.00" << "0.12";
}

void TestGifts::savingRoundsAndDerivesTheValue() {
    QFETCH(QString, quantity);
    QFETCH(QString, cost);
    QFETCH(QString, points);
    QFETCH(QString, shownQuantity);
    QFETCH(QString, shownCost);
    QFETCH(QString, shownPoints);
    QFETCH(QString, value);
    TestDatabase t;
    MessageRecorder messages;
    Dataset& zp = openGifts(t.dm());
    TFtjzp1 d(t.dm());
    d.setMode(TFtjzp1::addMode());
    type(d, QStringLiteral("保温杯"), QStringLiteral("C1"), QStringLiteral("个"), quantity, cost,
         points);
    QVERIFY(d.save());
    QVERIFY(messages.boxes.isEmpty());
    // The rounded numbers are written back into the boxes before they are stored.
    QCOMPARE(box(d, "Edit4")->text(), shownQuantity);
    QCOMPARE(box(d, "Edit5")->text(), shownCost);
    QCOMPARE(box(d, "Edit6")->text(), shownPoints);
    QCOMPARE(zp.money(QStringLiteral("sl")), Money::fromString(shownQuantity));
    QCOMPARE(zp.money(QStringLiteral("jg")), Money::fromString(shownCost));
    QCOMPARE(zp.money(QStringLiteral("jfjs")), Money::fromString(shownPoints));
    QCOMPARE(zp.money(QStringLiteral("je")).toFixed2(), value);
    QCOMPARE(t.db().scalar(QStringLiteral("select je from zp")).toLongLong(),
             Money::fromString(value).raw());
}

void TestGifts::quantityMustNotBeZero_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("message");
    QTest::newRow("zero") << "笔" << "0" << "数量不可为0！";
    QTest::newRow("rounds to zero") << "笔" << "0.004" << "数量不可为0！";
    QTest::newRow("lone point") << "笔" << "." << "数量不可为0！";
    QTest::newRow("name first") << "  " << "0" << "品名规格型号不可为空！";
}

void TestGifts::quantityMustNotBeZero() {
    QFETCH(QString, name);
    QFETCH(QString, quantity);
    QFETCH(QString, message);
    TestDatabase t;
    MessageRecorder messages;
    openGifts(t.dm());
    for (const QString& mode : {TFtjzp1::addMode(), TFtjzp1::modifyMode()}) {
        if (mode == TFtjzp1::modifyMode())
            QVERIFY(!Gifts::add(*t.dm().AQzp1, gift(QStringLiteral("尺"), {}, {})));
        TFtjzp1 d(t.dm());
        d.setMode(mode);
        type(d, name, QString(), QString(), quantity, QStringLiteral("1"));
        QVERIFY(!d.save());
        QCOMPARE(messages.lastText(), message);
        QCOMPARE(messages.boxes.last().caption, QStringLiteral("提示"));
        QCOMPARE(messages.boxes.last().icon, Messages::Icon::Information);
    }
    QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from zp")).toInt(), 1);
    QCOMPARE(t.db().scalar(QStringLiteral("select ppgg from zp")).toString(), QStringLiteral("尺"));
}

void TestGifts::entryDialogDefaultsAndNextRecord() {
    TestDatabase t;
    MessageRecorder messages;
    openGifts(t.dm());
    TFtjzp1 d(t.dm());
    d.setMode(TFtjzp1::addMode());
    QCOMPARE(d.windowTitle(), QStringLiteral("新增赠品资料"));
    QTRY_COMPARE(box(d, "Edit2")->text(), QStringLiteral("无"));
    QVERIFY(box(d, "Edit3")->isReadOnly());
    for (const char* name : {"Edit4", "Edit5", "Edit6"})
        QCOMPARE(box(d, name)->text(), QStringLiteral("0"));

    type(d, QStringLiteral("钥匙扣"), QStringLiteral(""), QStringLiteral("个"), "2", "1");
    QTRY_COMPARE(box(d, "Edit2")->text(), QStringLiteral("无")); // emptied, the box shows 无
    box(d, "Edit2")->setText(QStringLiteral("  "));
    QVERIFY(d.save());
    // Stays open: only the code box is emptied for the next gift.
    QTRY_COMPARE(box(d, "Edit2")->text(), QStringLiteral("无"));
    QCOMPARE(box(d, "Edit1")->text(), QStringLiteral("钥匙扣"));
    QCOMPARE(box(d, "Edit3")->text(), QStringLiteral("个"));
    QCOMPARE(d.result(), int(QDialog::Rejected));

    // Saving the same again is the duplicate; with a code it is a new gift.
    QVERIFY(!d.save());
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("商品不可重复！")});
    QCOMPARE(messages.boxes[0].caption, QStringLiteral("警告"));
    box(d, "Edit2")->setText(QStringLiteral("K2"));
    QVERIFY(d.save());
    QCOMPARE(t.db().rows(QStringLiteral("select txm from zp order by id")),
             (QList<QVariantList>{{QStringLiteral("无")}, {QStringLiteral("K2")}}));
}

void TestGifts::modifyingRecomputesTheValue() {
    TestDatabase t;
    MessageRecorder messages;
    Dataset& zp = openGifts(t.dm());
    QVERIFY(!Gifts::add(zp, gift(QStringLiteral("伞"), QStringLiteral("U1"), QStringLiteral("把"), "4", "10")));
    QVERIFY(!Gifts::add(zp, gift(QStringLiteral("帽"), QStringLiteral("H1"), QStringLiteral("顶"), "1", "3")));
    zp.setCurrentRow(zp.find(QStringLiteral("ppgg"), QStringLiteral("伞")));

    TFtjzp1 d(t.dm());
    d.setMode(TFtjzp1::modifyMode());
    QCOMPARE(d.windowTitle(), QStringLiteral("修改赠品资料"));
    QCOMPARE(box(d, "Edit2")->text(), QStringLiteral("U1"));
    QCOMPARE(box(d, "Edit4")->text(), QStringLiteral("4.00"));
    // Modified into the other gift's triple: no duplicate check.
    box(d, "Edit1")->setText(QStringLiteral("帽"));
    box(d, "Edit2")->setText(QStringLiteral("H1"));
    box(d, "Edit3")->setText(QStringLiteral("顶"));
    box(d, "Edit4")->setText(QStringLiteral("3"));
    QVERIFY(d.save());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(messages.boxes.isEmpty());
    QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from zp where ppgg='帽' and txm='H1'")).toInt(), 2);
    QCOMPARE(zp.money(QStringLiteral("je")), Money(30));
}

void TestGifts::totalsFollowSavesAndDeletes() {
    TestDatabase t;
    MessageRecorder messages;
    Dataset& zp = openGifts(t.dm());
    QVERIFY(!Gifts::add(zp, gift(QStringLiteral("扇子"), {}, QStringLiteral("把"), "2", "1.5")));
    TFzp1 w(t.dm());
    w.show();
    QCOMPARE(TFzp1::openWindow(), &w);
    QCOMPARE(zp.sql().lines(), (QStringList{"SELECT * FROM zp", "order by id"}));
    QCOMPARE(w.panelText(0), QStringLiteral("总计"));
    QCOMPARE(w.panelText(2), QStringLiteral("2"));
    QCOMPARE(w.panelText(4), QStringLiteral("3"));
    QCOMPARE(w.panelText(5), QStringLiteral("默认显示全部库存"));

    // 新增 through the list: 5 at 2.50 raises the totals while the dialog is still open.
    QString during;
    {
        const DialogRunner::Scope run([&](QDialog& dialog) {
            auto* d = qobject_cast<TFtjzp1*>(&dialog);
            if (!d || d->mode() != TFtjzp1::addMode())
                return int(QDialog::Rejected);
            type(*d, QStringLiteral("雨伞"), QStringLiteral("Y1"), QStringLiteral("把"), "5", "2.50");
            d->save();
            during = w.panelText(2) + u'|' + w.panelText(4);
            return int(QDialog::Rejected);
        });
        QVERIFY(w.runCommand(QStringLiteral("新增")));
    }
    QCOMPARE(during, QStringLiteral("7|15.5"));

    // A gift redeemed down to 0 is drawn red.
    t.db().exec(QStringLiteral("update zp set sl=0 where ppgg='扇子'"));
    zp.requery();
    const int fan = zp.find(QStringLiteral("ppgg"), QStringLiteral("扇子"));
    QCOMPARE(zp.data(zp.index(fan, 0), Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
    QVERIFY(!zp.data(zp.index(1 - fan, 0), Qt::ForegroundRole).isValid());

    zp.setCurrentRow(zp.find(QStringLiteral("ppgg"), QStringLiteral("雨伞")));
    QVERIFY(w.runCommand(QStringLiteral("删除")));
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("确定要删除此赠品么？")});
    QCOMPARE(w.panelText(2), QStringLiteral("0"));
    QCOMPARE(w.panelText(4), QStringLiteral("3"));
    QVERIFY(w.runCommand(QStringLiteral("删除")));
    QCOMPARE(zp.count(), 0);
    QCOMPARE(w.panelText(2), QStringLiteral("0"));
    QCOMPARE(w.panelText(4), QStringLiteral("0"));
}

void TestGifts::savingWithTheListClosedTouchesNoList() {
    TestDatabase t;
    MessageRecorder messages;
    {
        TFzp1 w(t.dm());
        w.show();
    }
    QCOMPARE(TFzp1::openWindow(), nullptr);
    // As from the gift picker: the dataset is open, no list window is.
    openGifts(t.dm());
    TFtjzp1 d(t.dm());
    d.setMode(TFtjzp1::addMode());
    type(d, QStringLiteral("台历"), QString(), QString(), "1", "8");
    QVERIFY(d.save());
    QCOMPARE(t.dm().AQzp1->count(), 1);
    QCOMPARE(t.db().scalar(QStringLiteral("select dw from zp")).toString(), QString());
}

void TestGifts::queryLines_data() {
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("choiceLine");
    QTest::newRow("all") << "全部" << "";
    QTest::newRow("above zero") << "库存＞0" << "and sl>0";
    QTest::newRow("zero") << "库存＝0" << "and sl=0";
    QTest::newRow("below zero") << "库存＜0" << "and sl<0";
}

void TestGifts::queryLines() {
    QFETCH(QString, stock);
    QFETCH(QString, choiceLine);
    const SqlText q = Gifts::query(QStringLiteral("A'1"), QStringLiteral("杯"), stock);
    QStringList lines = {"SELECT * FROM zp", "where ppgg like ?", "and txm like ?"};
    if (!choiceLine.isEmpty())
        lines << choiceLine;
    QCOMPARE(q.lines(), lines);
    QCOMPARE(q.binds(), (QVariantList{"%杯%", "%A'1%"}));
}

void TestGifts::queryDialogWritesTotalsAndRows() {
    TestDatabase t;
    MessageRecorder messages;
    Dataset& zp = openGifts(t.dm());
    QVERIFY(!Gifts::add(zp, gift(QStringLiteral("杯A"), QStringLiteral("A1"), {}, "3", "2")));
    QVERIFY(!Gifts::add(zp, gift(QStringLiteral("杯B"), QStringLiteral("B1"), {}, "4", "1")));
    QVERIFY(!Gifts::add(zp, gift(QStringLiteral("盘"), QStringLiteral("A2"), {}, "5", "1")));
    t.db().exec(QStringLiteral("update zp set sl=0, je=0 where ppgg='杯B'"));
    TFzp1 w(t.dm());
    w.show();
    {
        const DialogRunner::Scope run([&](QDialog& dialog) {
            auto* q = qobject_cast<QueryDialog*>(&dialog);
            if (!q || q->objectName() != QStringLiteral("TFcxzp1"))
                return int(QDialog::Rejected);
            q->show();
            box(*q, "Edit2")->setText(QStringLiteral("杯"));
            q->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentText(QStringLiteral("库存＞0"));
            q->queryButton()->click();
            return q->result();
        });
        QVERIFY(w.runCommand(QStringLiteral("查询")));
    }
    QCOMPARE(zp.sql().lines(), (QStringList{"SELECT * FROM zp", "where ppgg like ?",
                                            "and txm like ?", "and sl>0", "order by id"}));
    QCOMPARE(zp.count(), 1);
    QCOMPARE(zp.text(QStringLiteral("ppgg")), QStringLiteral("杯A"));
    QCOMPARE(w.panelText(2), QStringLiteral("3"));
    QCOMPARE(w.panelText(4), QStringLiteral("6"));
}

QTEST_MAIN(TestGifts)
#include "tst_gifts.moc"

#include "core/Clock.h"
#include "data/DM1.h"
#include "data/ListQuery.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/QueryDialog.h"
#include "members/Levels.h"
#include "members/Members.h"
#include "members/ui/TFdj1.h"
#include "members/ui/TFkh1.h"
#include "members/ui/TFtjdj1.h"
#include "members/ui/TFtjkh1.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString WalkIn = QStringLiteral("无卡顾客");

Members::Input member(const QString& card, const QString& name,
                      const QString& level = QStringLiteral("无卡顾客")) {
    Members::Input in;
    in.bm = card;
    in.mc = name;
    in.xb = QStringLiteral("女");
    in.dj = level;
    return in;
}

Dataset& openMembers(TDM1& dm) {
    dm.AQkh1->open(SqlText({QStringLiteral("SELECT * FROM kh"), QStringLiteral("order by id")}, {}));
    return *dm.AQkh1;
}

void addMember(TDM1& dm, const Members::Input& in) {
    Dataset& kh = openMembers(dm);
    QVERIFY(!Members::add(kh, in));
}

// The current row of the dataset moved to the first row whose field holds the value.
void goTo(Dataset& ds, const QString& field, const QString& value) {
    const int row = ds.find(field, value);
    QVERIFY2(row >= 0, qPrintable(value));
    ds.setCurrentRow(row);
}

QString stored(Database& db, const QString& field, const QString& card) {
    return db.scalar(QStringLiteral("select %1 from kh where bm=?").arg(field), {card}).toString();
}

template <typename T = QLineEdit> T* box(QWidget& w, const char* name) {
    auto* b = w.findChild<T*>(QString::fromLatin1(name));
    if (!b)
        qFatal("no box %s", name);
    return b;
}

} // namespace

class TestMembers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }

    void cardNumberIsUniqueOnAddOnly_data();
    void cardNumberIsUniqueOnAddOnly();
    void requiredFieldsInOrder_data();
    void requiredFieldsInOrder();
    void addingStaysOpenForTheNextMember();
    void modifyingSetsCardDateAndKeepsState();
    void choosingALevelCopiesItsDiscount();
    void enterInTheLevelBoxAndTheLastBox();
    void walkInCustomerCannotBeDeleted();
    void levelsAreUniqueAndWalkInLevelStays();
    void cardStatePopups();
    void queryLines_data();
    void queryLines();
    void birthdayChoiceMatchesMonthAndDay();
    void queryDialogRunsTheMemberQuery();
};

void TestMembers::cardNumberIsUniqueOnAddOnly_data() {
    QTest::addColumn<QString>("card");
    QTest::addColumn<bool>("refused");
    QTest::newRow("same card, other fields differ") << "1001" << true;
    QTest::newRow("same card with blanks around") << "  1001 " << true;
    QTest::newRow("walk-in card") << "0" << true;
    QTest::newRow("other card") << "1002" << false;
    QTest::newRow("card containing the other") << "10011" << false;
}

void TestMembers::cardNumberIsUniqueOnAddOnly() {
    QFETCH(QString, card);
    QFETCH(bool, refused);
    TestDatabase t;
    addMember(t.dm(), member(QStringLiteral("1001"), QStringLiteral("张三")));
    Dataset& kh = *t.dm().AQkh1;
    const int before = kh.count();

    Members::Input other = member(card, QStringLiteral("李四"));
    other.xb = QStringLiteral("男");
    const Members::Outcome r = Members::add(kh, other);
    QCOMPARE(bool(r), refused);
    if (refused) {
        QCOMPARE(r->text, QStringLiteral("会员卡号不可重复！"));
        QCOMPARE(r->kind, Members::Refusal::Kind::Warning);
        QCOMPARE(r->field, QStringLiteral("mc"));
        QCOMPARE(kh.count(), before);
    } else {
        QCOMPARE(kh.count(), before + 1);
        QCOMPARE(kh.text(QStringLiteral("bm")), card.trimmed());
    }

    // Modifying a member to a card that exists is accepted.
    goTo(kh, QStringLiteral("bm"), QStringLiteral("1001"));
    QVERIFY(!Members::modify(kh, member(QStringLiteral("0"), QStringLiteral("张三"))));
    QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from kh where bm='0'")).toInt(), 2);
}

void TestMembers::requiredFieldsInOrder_data() {
    QTest::addColumn<QString>("blank");
    QTest::addColumn<QString>("message");
    QTest::newRow("card only blanks") << "bm" << "会员卡号不可为空！";
    QTest::newRow("name") << "mc" << "会员姓名不可为空！";
    QTest::newRow("sex") << "xb" << "会员性别不可为空！";
    QTest::newRow("level") << "dj" << "会员等级不可为空！";
}

void TestMembers::requiredFieldsInOrder() {
    QFETCH(QString, blank);
    QFETCH(QString, message);
    TestDatabase t;
    Dataset& kh = openMembers(t.dm());
    Members::Input in = member(QStringLiteral("2001"), QStringLiteral("王五"));
    // Everything after the blank field is missing too: the first missing field is reported.
    bool after = false;
    for (auto [name, value] : {std::pair{"bm", &in.bm}, {"mc", &in.mc}, {"xb", &in.xb}, {"dj", &in.dj}}) {
        if (blank == QLatin1String(name)) {
            *value = QStringLiteral("  ");
            after = true;
        } else if (after) {
            value->clear();
        }
    }
    const Members::Outcome r = Members::add(kh, in);
    QVERIFY(r);
    QCOMPARE(r->text, message);
    QCOMPARE(r->kind, Members::Refusal::Kind::Information);
    QCOMPARE(r->field, blank);
    QCOMPARE(kh.count(), 1); // the walk-in customer only
}

void TestMembers::addingStaysOpenForTheNextMember() {
    TestDatabase t(QDateTime(QDate(2010, 5, 4), QTime(10, 0)));
    MessageRecorder messages;
    openMembers(t.dm());
    t.db().exec(QStringLiteral("insert into dj (dj,zk) values('金卡',?)"),
                {QVariant::fromValue(Money::fromString(u"0.8").raw())});

    TFtjkh1 d(t.dm());
    d.setMode(TFtjkh1::addMode());
    QCOMPARE(d.windowTitle(), QStringLiteral("新增会员资料"));
    QCOMPARE(box<QLabel>(d, "ST1")->text(), QStringLiteral("新增"));
    QCOMPARE(box<QComboBox>(d, "xb")->currentText(), QStringLiteral("女"));
    QCOMPARE(box(d, "zk")->text(), QStringLiteral("1"));
    QCOMPARE(box(d, "zjf")->text(), QStringLiteral("0"));
    QCOMPARE(box(d, "zxf")->text(), QStringLiteral("0"));

    box(d, "bm")->setText(QStringLiteral(" 3001 "));
    box(d, "mc")->setText(QStringLiteral(" 赵六 "));
    box<QComboBox>(d, "xb")->setCurrentText(QStringLiteral("男"));
    box(d, "csrq")->setText(QStringLiteral("19810205"));
    box(d, "lxdh")->setText(QStringLiteral("13800000000"));
    box(d, "dj")->setText(QStringLiteral("金卡"));
    box(d, "zk")->setText(QStringLiteral("0.8"));
    box(d, "zjf")->setText(QStringLiteral("10.125"));
    box(d, "zxf")->setText(QStringLiteral("99.999"));
    box(d, "bz")->setText(QStringLiteral(" 老顾客 "));
    QVERIFY(d.save());
    QVERIFY(messages.boxes.isEmpty());

    QCOMPARE(stored(t.db(), "mc", "3001"), QStringLiteral("赵六"));
    QCOMPARE(stored(t.db(), "xb", "3001"), QStringLiteral("男"));
    QCOMPARE(stored(t.db(), "bz", "3001"), QStringLiteral("老顾客"));
    QCOMPARE(stored(t.db(), "kkrq", "3001"), QStringLiteral("2010-05-04"));
    QCOMPARE(stored(t.db(), "ztbj", "3001"), QStringLiteral("可用"));
    Dataset& kh = *t.dm().AQkh1;
    QCOMPARE(kh.text(QStringLiteral("bm")), QStringLiteral("3001")); // shown at once, current
    QCOMPARE(kh.money(QStringLiteral("zjf")), Money::fromString(u"10.12"));
    QCOMPARE(kh.money(QStringLiteral("zxf")), Money::fromString(u"100"));
    QCOMPARE(kh.money(QStringLiteral("zk")), Money::fromString(u"0.8"));

    // Ready for the next member: sex, level and discount kept, the rest back to defaults.
    for (const char* name : {"bm", "mc", "csrq", "zj", "yb", "lxdh", "lxdz", "bz"})
        QVERIFY2(box(d, name)->text().isEmpty(), name);
    QCOMPARE(box(d, "zjf")->text(), QStringLiteral("0"));
    QCOMPARE(box(d, "zxf")->text(), QStringLiteral("0"));
    QCOMPARE(box<QComboBox>(d, "xb")->currentText(), QStringLiteral("男"));
    QCOMPARE(box(d, "dj")->text(), QStringLiteral("金卡"));
    QCOMPARE(box(d, "zk")->text(), QStringLiteral("0.8"));

    // The same card again is refused with a warning; nothing is written.
    box(d, "bm")->setText(QStringLiteral("3001"));
    box(d, "mc")->setText(QStringLiteral("另一个"));
    QVERIFY(!d.save());
    QCOMPARE(messages.boxes.size(), 1);
    QCOMPARE(messages.boxes[0].caption, QStringLiteral("警告"));
    QCOMPARE(messages.boxes[0].text, QStringLiteral("会员卡号不可重复！"));
    QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from kh")).toInt(), 2);
}

void TestMembers::modifyingSetsCardDateAndKeepsState() {
    TestDatabase t(QDateTime(QDate(2010, 5, 4), QTime(10, 0)));
    MessageRecorder messages;
    t.db().exec(QStringLiteral("insert into kh (bm,mc,xb,dj,zk,zjf,kkrq,ztbj) "
                               "values('4001','钱七','男','银卡',?,?,'2001-01-01','不可用')"),
                {QVariant::fromValue(Money::fromString(u"0.9").raw()),
                 QVariant::fromValue(Money::fromString(u"12.5").raw())});
    Dataset& kh = openMembers(t.dm());
    goTo(kh, QStringLiteral("bm"), QStringLiteral("4001"));

    TFtjkh1 d(t.dm());
    d.setMode(TFtjkh1::modifyMode());
    QCOMPARE(d.windowTitle(), QStringLiteral("修改会员资料"));
    QCOMPARE(box(d, "mc")->text(), QStringLiteral("钱七"));
    QCOMPARE(box<QComboBox>(d, "xb")->currentText(), QStringLiteral("男"));
    QCOMPARE(box(d, "dj")->text(), QStringLiteral("银卡"));
    QCOMPARE(box(d, "zk")->text(), QStringLiteral("0.9"));
    QCOMPARE(box(d, "zjf")->text(), QStringLiteral("12.50"));

    // Only the address changes, to the card of the walk-in customer even: no duplicate check.
    box(d, "bm")->setText(QStringLiteral("0"));
    box(d, "lxdz")->setText(QStringLiteral("北京路1号"));
    QVERIFY(d.save());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(messages.boxes.isEmpty());
    const QVariantList row =
        t.db().rows(QStringLiteral("select kkrq,ztbj,lxdz,zk from kh where mc='钱七'")).value(0);
    QCOMPARE(row.value(0).toString(), QStringLiteral("2010-05-04"));
    QCOMPARE(row.value(1).toString(), QStringLiteral("不可用"));
    QCOMPARE(row.value(2).toString(), QStringLiteral("北京路1号"));
    QCOMPARE(row.value(3).toLongLong(), Money::fromString(u"0.9").raw());
}

void TestMembers::choosingALevelCopiesItsDiscount() {
    TestDatabase t;
    MessageRecorder messages;
    openMembers(t.dm());
    t.db().exec(QStringLiteral("insert into dj (dj,zk) values('金卡',?)"),
                {QVariant::fromValue(Money::fromString(u"0.8").raw())});
    TFtjkh1 d(t.dm());
    d.setMode(TFtjkh1::addMode());

    int shown = 0;
    {
        const DialogRunner::Scope run([&](QDialog& dialog) {
            auto* levels = qobject_cast<TFdj1*>(&dialog);
            if (!levels)
                return int(QDialog::Rejected);
            ++shown;
            levels->show(); // lists "SELECT * FROM dj", "order by id"
            Dataset& dj = *t.dm().AQdj1;
            const QStringList expected = {QStringLiteral("SELECT * FROM dj"), QStringLiteral("order by id")};
            if (dj.sql().lines() != expected)
                return int(QDialog::Rejected);
            dj.setCurrentRow(dj.find(QStringLiteral("dj"), QStringLiteral("金卡")));
            levels->choose();
            return levels->result();
        });
        d.pickLevel();
    }
    QCOMPARE(shown, 1);
    QCOMPARE(box(d, "dj")->text(), QStringLiteral("金卡"));
    QCOMPARE(box(d, "zk")->text(), QStringLiteral("0.8"));

    box(d, "bm")->setText(QStringLiteral("5001"));
    box(d, "mc")->setText(QStringLiteral("孙八"));
    QVERIFY(d.save());
    QCOMPARE(stored(t.db(), "dj", "5001"), QStringLiteral("金卡"));
    QCOMPARE(t.db().scalar(QStringLiteral("select zk from kh where bm='5001'")).toLongLong(),
             Money::fromString(u"0.8").raw());

    // An empty level list chooses nothing.
    t.db().exec(QStringLiteral("delete from dj"));
    TFdj1 empty(t.dm(), &d, [](const QString&, Money) { QFAIL("nothing to choose"); });
    empty.show();
    QVERIFY(!empty.choose());
    QCOMPARE(messages.lastText(), QStringLiteral("没有等级可选择！"));
    QCOMPARE(messages.boxes.last().caption, QStringLiteral("警告"));
}

void TestMembers::enterInTheLevelBoxAndTheLastBox() {
    TestDatabase t;
    MessageRecorder messages;
    openMembers(t.dm());
    TFtjkh1 d(t.dm());
    d.setMode(TFtjkh1::addMode());
    d.show();
    QCOMPARE(d.focusWidget(), box(d, "bm"));

    QStringList opened;
    const DialogRunner::Scope run([&](QDialog& dialog) {
        opened << dialog.objectName();
        return int(QDialog::Rejected);
    });
    auto* level = box(d, "dj");
    QVERIFY(level->isReadOnly());
    level->setFocus();
    QTest::keyClick(level, Qt::Key_Return);
    QCOMPARE(opened, QStringList{QStringLiteral("TFdj1")});
    QCOMPARE(d.focusWidget(), level);

    // Filled, Enter passes the read-only discount by and goes on to 总积分.
    level->setText(QStringLiteral("无卡顾客"));
    QTest::keyClick(level, Qt::Key_Return);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(d.focusWidget(), box(d, "zjf"));

    // Enter in the remark presses 保存.
    box(d, "bz")->setFocus();
    QTest::keyClick(box(d, "bz"), Qt::Key_Return);
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("会员卡号不可为空！")});
    QCOMPARE(d.focusWidget(), box(d, "bm"));
}

void TestMembers::walkInCustomerCannotBeDeleted() {
    TestDatabase t;
    MessageRecorder messages;
    addMember(t.dm(), member(QStringLiteral("6001"), QStringLiteral("周九")));
    TFkh1 w(t.dm());
    w.show();
    Dataset& kh = *t.dm().AQkh1;
    QCOMPARE(w.panelText(1), QStringLiteral("2"));

    goTo(kh, QStringLiteral("mc"), WalkIn);
    QVERIFY(w.runCommand(QStringLiteral("删除")));
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("不可删除“无卡顾客”！")});
    QCOMPARE(messages.boxes[0].caption, QStringLiteral("警告"));
    QCOMPARE(kh.count(), 2);

    // Cancelled, then confirmed: the other member goes and the count follows.
    messages.clear();
    goTo(kh, QStringLiteral("bm"), QStringLiteral("6001"));
    messages.answers << Messages::Answer::Cancel << Messages::Answer::Ok;
    QVERIFY(w.runCommand(QStringLiteral("删除")));
    QCOMPARE(kh.count(), 2);
    QVERIFY(w.runCommand(QStringLiteral("删除")));
    QCOMPARE(messages.texts(), (QStringList{QStringLiteral("确定要删除此会员么？"),
                                            QStringLiteral("确定要删除此会员么？")}));
    QCOMPARE(kh.count(), 1);
    QCOMPARE(w.panelText(1), QStringLiteral("1"));
    QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from kh where bm='6001'")).toInt(), 0);
}

void TestMembers::levelsAreUniqueAndWalkInLevelStays() {
    TestDatabase t;
    MessageRecorder messages;
    addMember(t.dm(), member(QStringLiteral("7001"), QStringLiteral("吴十"), QStringLiteral("银卡")));
    TFdj1 levels(t.dm());
    levels.show();

    TFtjdj1 add(t.dm(), &levels);
    QCOMPARE(add.windowTitle(), QStringLiteral("新增会员等级"));
    auto* level = box(add, "Edit1");
    auto* discount = box(add, "Edit2");
    QCOMPARE(discount->text(), QStringLiteral("1"));

    // Emptied, the discount box shows 1 again.
    discount->setFocus();
    discount->selectAll();
    QTest::keyClick(discount, Qt::Key_Backspace);
    QCOMPARE(discount->text(), QStringLiteral("1"));

    level->setText(QStringLiteral("  "));
    QVERIFY(!add.save());
    QCOMPARE(messages.lastText(), QStringLiteral("等级不可为空！"));
    QCOMPARE(messages.boxes.last().caption, QStringLiteral("提示"));

    level->setText(QStringLiteral(" 银卡 "));
    discount->setText(QStringLiteral("0.955"));
    QVERIFY(add.save());
    QVERIFY(level->text().isEmpty());           // ready for the next level
    QCOMPARE(discount->text(), QStringLiteral("1"));
    Dataset& dj = *t.dm().AQdj1;
    QCOMPARE(dj.text(QStringLiteral("dj")), QStringLiteral("银卡")); // in the list at once
    QCOMPARE(dj.money(QStringLiteral("zk")), Money::fromString(u"0.96"));

    level->setText(QStringLiteral("银卡 "));
    QVERIFY(!add.save());
    QCOMPARE(messages.lastText(), QStringLiteral("等级不可重复！"));
    QCOMPARE(messages.boxes.last().caption, QStringLiteral("警告"));
    QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from dj where dj='银卡'")).toInt(), 1);

    // The walk-in level stays; another level goes after the question, its members keep it.
    messages.clear();
    dj.setCurrentRow(dj.find(QStringLiteral("dj"), WalkIn));
    levels.remove();
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("不可删除“无卡顾客”！")});
    QCOMPARE(messages.boxes[0].caption, QStringLiteral("警告"));
    dj.setCurrentRow(dj.find(QStringLiteral("dj"), QStringLiteral("银卡")));
    levels.remove();
    QCOMPARE(messages.lastText(), QStringLiteral("确定要删除此等级么？"));
    QCOMPARE(messages.boxes.last().caption, QStringLiteral("提示"));
    QCOMPARE(t.db().scalar(QStringLiteral("select count(*) from dj")).toInt(), 1);
    QCOMPARE(stored(t.db(), "dj", "7001"), QStringLiteral("银卡"));

    // The last level is the walk-in one; once it is gone too, nothing is left to delete.
    t.db().exec(QStringLiteral("delete from dj"));
    levels.showRows();
    messages.clear();
    levels.remove();
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("没有等级可删除！")});
}

void TestMembers::cardStatePopups() {
    TestDatabase t;
    MessageRecorder messages;
    addMember(t.dm(), member(QStringLiteral("8001"), QStringLiteral("郑一")));
    TFkh1 w(t.dm());
    w.show();
    Dataset& kh = *t.dm().AQkh1;
    goTo(kh, QStringLiteral("bm"), QStringLiteral("8001"));
    const int row = kh.currentRow();
    const QString block = QStringLiteral("改标记：不可用");
    const QString unblock = QStringLiteral("改标记：可用");

    QVERIFY(w.runCommand(unblock));
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("“可用”标记，无须修改！")});
    QVERIFY(!kh.data(kh.index(row, 0), Qt::ForegroundRole).isValid());

    QVERIFY(w.runCommand(block));
    QCOMPARE(stored(t.db(), "ztbj", "8001"), QStringLiteral("不可用"));
    QCOMPARE(kh.data(kh.index(row, 0), Qt::ForegroundRole).value<QBrush>().color(),
             QColor(Qt::red));
    QVERIFY(w.runCommand(block));
    QCOMPARE(messages.lastText(), QStringLiteral("“不可用”标记，无须修改！"));
    QCOMPARE(messages.boxes.last().caption, QStringLiteral("警告"));

    QVERIFY(w.runCommand(unblock));
    QCOMPARE(stored(t.db(), "ztbj", "8001"), QStringLiteral("可用"));
    QCOMPARE(messages.boxes.size(), 2);

    kh.open(SqlText({QStringLiteral("SELECT * FROM kh"), QStringLiteral("where bm='none'")}, {}));
    QVERIFY(w.runCommand(block));
    QCOMPARE(messages.lastText(), QStringLiteral("没有会员可修改！"));
    kh.close();
    QVERIFY(w.runCommand(unblock));
    QCOMPARE(messages.lastText(), QStringLiteral("数据表未打开，请先查询！"));
}

void TestMembers::queryLines_data() {
    QTest::addColumn<QStringList>("values"); // 卡号 姓名 生日 状态 电话 地址
    QTest::addColumn<bool>("range");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QVariantList>("binds");
    const QString select = QStringLiteral("SELECT * FROM kh");
    QTest::newRow("all empty: card and name only")
        << QStringList{"", "", "全部", "全部", " ", ""} << false
        << QStringList{select, "where bm like ?", "and mc like ?"}
        << QVariantList{"%%", "%%"};
    QTest::newRow("phone and address when typed")
        << QStringList{"10", "张", "全部", "全部", "138", "路"} << false
        << QStringList{select, "where bm like ?", "and mc like ?", "and lxdh like ?",
                       "and lxdz like ?"}
        << QVariantList{"%10%", "%张%", "%138%", "%路%"};
    QTest::newRow("birthday tomorrow, blocked, card dates")
        << QStringList{"", "", "明天", "不可用", "", "北京"} << true
        << QStringList{select,           "where bm like ?",     "and mc like ?",
                       "and lxdz like ?", "and csrq like ?",     "and ztbj='不可用'",
                       "and kkrq>=? and kkrq<=?"}
        << QVariantList{"%%", "%%", "%北京%", "%0505", "2010-04-04", "2010-05-04"};
    QTest::newRow("birthday the day after tomorrow, usable")
        << QStringList{"", "", "后天", "可用", "", ""} << false
        << QStringList{select, "where bm like ?", "and mc like ?", "and csrq like ?",
                       "and ztbj='可用'"}
        << QVariantList{"%%", "%%", "%0506"};
}

void TestMembers::queryLines() {
    QFETCH(QStringList, values);
    QFETCH(bool, range);
    QFETCH(QStringList, lines);
    QFETCH(QVariantList, binds);
    Clock::setFixed(QDateTime(QDate(2010, 5, 4), QTime(23, 59)));
    ListQuery::Input in;
    in.values = values;
    in.dateRangeOn = range;
    in.from = QDate(2010, 4, 4);
    in.to = QDate(2010, 5, 4);
    SqlText text(QStringLiteral("SELECT * FROM kh"));
    ListQuery::appendConditions(text, TFkh1::queryDefinition(), in);
    Clock::reset();
    QCOMPARE(text.lines(), lines);
    QCOMPARE(text.binds(), binds);
}

void TestMembers::birthdayChoiceMatchesMonthAndDay() {
    TestDatabase t(QDateTime(QDate(2011, 2, 4), QTime(9, 0)));
    Members::Input typed = member(QStringLiteral("9001"), QStringLiteral("生日"));
    typed.csrq = QStringLiteral("19810205");
    addMember(t.dm(), typed);
    Members::Input points = member(QStringLiteral("9002"), QStringLiteral("点号"));
    points.csrq = QStringLiteral("1981.02.05");
    addMember(t.dm(), points);
    QCOMPARE(stored(t.db(), "csrq", "9002"), QStringLiteral("1981.02.05"));

    const auto found = [&](const QString& choice) {
        ListQuery::Input in;
        in.values = QStringList{"", "", choice, "全部", "", ""};
        SqlText text(QStringLiteral("SELECT * FROM kh"));
        ListQuery::appendConditions(text, TFkh1::queryDefinition(), in);
        text.add(QStringLiteral("order by id"));
        Dataset& kh = *t.dm().AQkh1;
        kh.open(text);
        QStringList cards;
        for (int r = 0; r < kh.count(); ++r)
            cards << kh.text(r, kh.fieldIndex(QStringLiteral("bm")));
        return cards;
    };
    QCOMPARE(found(QStringLiteral("今天")), QStringList());
    QCOMPARE(found(QStringLiteral("明天")), QStringList{QStringLiteral("9001")});
    Clock::setFixed(QDateTime(QDate(2030, 2, 5), QTime(9, 0)));
    QCOMPARE(found(QStringLiteral("今天")), QStringList{QStringLiteral("9001")});
    Clock::setFixed(QDateTime(QDate(2030, 2, 3), QTime(9, 0)));
    QCOMPARE(found(QStringLiteral("后天")), QStringList{QStringLiteral("9001")});
}

void TestMembers::queryDialogRunsTheMemberQuery() {
    TestDatabase t(QDateTime(QDate(2010, 5, 4), QTime(10, 0)));
    MessageRecorder messages;
    addMember(t.dm(), member(QStringLiteral("1101"), QStringLiteral("甲")));
    t.db().exec(QStringLiteral("update kh set kkrq='2010-01-01' where bm='0'"));
    TFkh1 w(t.dm());
    w.show();

    int shown = 0;
    {
        const DialogRunner::Scope run([&](QDialog& dialog) {
            ++shown;
            auto* q = qobject_cast<QueryDialog*>(&dialog);
            if (!q || q->objectName() != QStringLiteral("TFcxkh1"))
                return int(QDialog::Rejected);
            q->show();
            // Defaults: no dates, both choices at 全部, a month back to today.
            if (box<QCheckBox>(*q, "CheckBox1")->isChecked() ||
                box<QComboBox>(*q, "ComboBox1")->currentText() != QStringLiteral("全部") ||
                box<QComboBox>(*q, "ComboBox2")->currentText() != QStringLiteral("全部") ||
                box<QDateEdit>(*q, "DateTimePicker1")->date() != QDate(2010, 4, 4) ||
                box<QDateEdit>(*q, "DateTimePicker2")->date() != QDate(2010, 5, 4))
                return int(QDialog::Rejected);
            box<QCheckBox>(*q, "CheckBox1")->setChecked(true);
            box<QComboBox>(*q, "ComboBox2")->setCurrentText(QStringLiteral("可用"));
            q->queryButton()->click();
            return q->result();
        });
        QVERIFY(w.runCommand(QStringLiteral("查询")));
    }
    QCOMPARE(shown, 1);
    const Dataset& kh = *t.dm().AQkh1;
    QCOMPARE(kh.sql().lines(),
             (QStringList{"SELECT * FROM kh", "where bm like ?", "and mc like ?", "and ztbj='可用'",
                          "and kkrq>=? and kkrq<=?", "order by id"}));
    QCOMPARE(kh.count(), 1); // the walk-in customer's card is older than a month
    QCOMPARE(kh.text(QStringLiteral("bm")), QStringLiteral("1101"));
    QCOMPARE(w.panelText(1), QStringLiteral("1"));
    QVERIFY(messages.boxes.isEmpty());
}

QTEST_MAIN(TestMembers)
#include "tst_members.moc"

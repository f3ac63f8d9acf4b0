#include "core/Money.h"
#include "data/DM1.h"
#include "data/ui/CategoryTree.h"
#include "data/ui/DatasetView.h"
#include "data/ui/LookupSwitch.h"
#include "data/ui/NewRecordDialogs.h"
#include "data/ui/PickerPanel.h"
#include "data/ui/ProductBrowser.h"
#include "masterdata/ui/TFghs2.h"
#include "masterdata/ui/TFsp2.h"
#include "masterdata/ui/TFyg2.h"
#include "members/ui/TFkh2.h"
#include "members/ui/TFzp2.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QBrush>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QVariant money(const char* text) { return QVariant::fromValue(Money::fromString(QString::fromLatin1(text))); }

// A small shop: categories, products (one name with a quote, one with a percent sign), members
// (one blocked), suppliers, employees and gifts.
void fillShop(Database& db) {
    Transaction tx(db);
    for (const char* c : {"饮料", "零食", "日用"})
        db.exec(QStringLiteral("insert into lb (lb) values(?)"), {QString::fromUtf8(c)});
    struct P { const char *lb, *txm, *ppgg, *dw, *jj, *kcjg, *ztbj; };
    const P products[] = {
        {"饮料", "6901", "可口可乐", "瓶", "2.5", "2.4", "打折"},
        {"饮料", "6902", "百事可乐", "瓶", "2.3", "2.2", "不打折"},
        {"零食", "7001", "薯片", "袋", "4", "3.9", "打折"},
        {"日用", "8001", "O'Neil牙刷", "支", "5", "4.8", "打折"},
        {"日用", "8002", "100%纯棉毛巾", "条", "9.9", "9", "打折"},
    };
    for (const P& p : products)
        db.exec(QStringLiteral("insert into sp (lb,txm,ppgg,dw,jj,kcjg,ztbj) values(?,?,?,?,?,?,?)"),
                {QString::fromUtf8(p.lb), QString::fromUtf8(p.txm), QString::fromUtf8(p.ppgg),
                 QString::fromUtf8(p.dw), money(p.jj), money(p.kcjg), QString::fromUtf8(p.ztbj)});
    struct M { const char *bm, *mc, *ztbj; };
    for (const M& m : {M{"1001", "张三", "可用"}, M{"1002", "李四", "不可用"}, M{"2001", "O'Brien", "可用"}})
        db.exec(QStringLiteral("insert into kh (bm,mc,ztbj) values(?,?,?)"),
                {QString::fromUtf8(m.bm), QString::fromUtf8(m.mc), QString::fromUtf8(m.ztbj)});
    db.exec(QStringLiteral("insert into ghs (mc,lxdz) values(?,?),(?,?)"),
            {QStringLiteral("甲厂"), QStringLiteral("北京路1号"), QStringLiteral("乙厂"),
             QStringLiteral("上海路2号")});
    db.exec(QStringLiteral("insert into yg (xm,bm) values(?,?),(?,?)"),
            {QStringLiteral("王五"), QStringLiteral("销售部"), QStringLiteral("赵六"),
             QStringLiteral("仓库")});
    db.exec(QStringLiteral("insert into zp (txm,ppgg,dw,sl,jfjs) values(?,?,?,?,?),(?,?,?,?,?)"),
            {QStringLiteral("G01"), QStringLiteral("雨伞"), QStringLiteral("把"), money("5"),
             money("100"), QStringLiteral("G02"), QStringLiteral("水杯"), QStringLiteral("个"),
             money("3"), money("50")});
    tx.commit();
}

std::unique_ptr<PickerDialog> makePicker(TDM1& dm, const QString& form, const QString& code,
                                         QWidget* caller) {
    if (form == QLatin1String("TFsp2"))
        return std::make_unique<TFsp2>(dm, code, caller);
    if (form == QLatin1String("TFkh2"))
        return std::make_unique<TFkh2>(dm, code, caller);
    if (form == QLatin1String("TFghs2"))
        return std::make_unique<TFghs2>(dm, code, caller);
    if (form == QLatin1String("TFyg2"))
        return std::make_unique<TFyg2>(dm, code, caller);
    if (form == QLatin1String("TFzp2"))
        return std::make_unique<TFzp2>(dm, code, caller);
    return nullptr;
}

// The field that names a row of each picker's table.
QString keyField(const QString& form) {
    if (form == QLatin1String("TFkh2"))
        return QStringLiteral("bm");
    if (form == QLatin1String("TFghs2"))
        return QStringLiteral("mc");
    if (form == QLatin1String("TFyg2"))
        return QStringLiteral("xm");
    return QStringLiteral("txm");
}

QStringList column(const Dataset& ds, const QString& field) {
    QStringList out;
    const int c = ds.fieldIndex(field);
    for (int r = 0; r < ds.count(); ++r)
        out << ds.text(r, c);
    return out;
}

// An entry dialog stand-in with every box any caller has; records each box write in order.
class FakeCaller : public QWidget {
public:
    FakeCaller() {
        for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7",
                                 "hybm", "jsr"}) {
            auto* box = new QLineEdit(QStringLiteral("-"), this);
            box->setObjectName(QString::fromLatin1(name));
            connect(box, &QLineEdit::textChanged, this, [this, box](const QString& text) {
                writes << box->objectName() + u'=' + text;
            });
        }
    }
    QStringList writes;
};

// Shows the picker (which lists every row) and makes the row whose key field is `key` current.
void showOn(PickerDialog& picker, const QString& field, const QString& key) {
    picker.show();
    Dataset& ds = picker.dataset();
    const int row = ds.find(field, key);
    QVERIFY2(row >= 0, qPrintable(key));
    ds.setCurrentRow(row);
}

} // namespace

class TestPickers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void searchBindsBothBoxesToTheirFields_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("box1");
        QTest::addColumn<QString>("box2");
        QTest::addColumn<QStringList>("expected");
        const auto l = [](std::initializer_list<const char*> keys) {
            QStringList out;
            for (const char* k : keys)
                out << QString::fromUtf8(k);
            return out;
        };
        QTest::newRow("products by name") << "TFsp2" << "可乐" << "" << l({"6901", "6902"});
        QTest::newRow("products by code") << "TFsp2" << "" << "700" << l({"7001"});
        QTest::newRow("products by name and code") << "TFsp2" << "可乐" << "02" << l({"6902"});
        QTest::newRow("a quote is plain text") << "TFsp2" << "'" << "" << l({"8001"});
        QTest::newRow("a typed percent is a wildcard")
            << "TFsp2" << "%" << "" << l({"6901", "6902", "7001", "8001", "8002"});
        QTest::newRow("members by card") << "TFkh2" << "100" << "" << l({"1001", "1002"});
        QTest::newRow("members by name") << "TFkh2" << "" << "李" << l({"1002"});
        QTest::newRow("members, name with a quote") << "TFkh2" << "" << "O'B" << l({"2001"});
        QTest::newRow("suppliers by name") << "TFghs2" << "甲" << "" << l({"甲厂"});
        QTest::newRow("suppliers by address") << "TFghs2" << "" << "上海" << l({"乙厂"});
        QTest::newRow("employees by name") << "TFyg2" << "赵" << "" << l({"赵六"});
        QTest::newRow("employees by department") << "TFyg2" << "" << "销售" << l({"王五"});
        QTest::newRow("gifts by code") << "TFzp2" << "02" << "" << l({"G02"});
        QTest::newRow("gifts by name") << "TFzp2" << "" << "雨" << l({"G01"});
        QTest::newRow("nothing matches") << "TFzp2" << "G0" << "电视" << QStringList();
    }
    void searchBindsBothBoxesToTheirFields() {
        QFETCH(QString, form);
        QFETCH(QString, box1);
        QFETCH(QString, box2);
        QFETCH(QStringList, expected);
        TestDatabase t;
        fillShop(t.db());
        MessageRecorder messages;
        auto picker = makePicker(t.dm(), form, QStringLiteral("tjcg"), nullptr);
        picker->show();
        picker->panel()->box1()->setText(box1);
        picker->panel()->box2()->setText(box2);
        QCOMPARE(column(picker->dataset(), keyField(form)), expected);
        QCOMPARE(messages.boxes.size(), 0);
    }

    void queryLinesKeepTheirFragments_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("TFsp2") << "TFsp2"
                               << QStringList{"SELECT * FROM sp", "where ppgg like ?",
                                              "and txm like ?", "order by id"};
        QTest::newRow("TFkh2") << "TFkh2"
                               << QStringList{"SELECT * FROM kh", "where bm like?",
                                              "and mc  like ?", "order by id"};
        QTest::newRow("TFghs2") << "TFghs2"
                                << QStringList{"SELECT * FROM ghs", "where mc like?",
                                               "and lxdz  like ?", "order by id"};
        QTest::newRow("TFyg2") << "TFyg2"
                               << QStringList{"SELECT * FROM yg", "where xm like?",
                                              "and bm like ?", "order by id"};
        QTest::newRow("TFzp2") << "TFzp2"
                               << QStringList{"SELECT * FROM zp", "where txm like ?",
                                              "and ppgg like ?", "order by id"};
    }
    void queryLinesKeepTheirFragments() {
        QFETCH(QString, form);
        QFETCH(QStringList, lines);
        TestDatabase t;
        auto picker = makePicker(t.dm(), form, QString(), nullptr);
        picker->show();
        picker->panel()->box1()->setText(QStringLiteral("a"));
        picker->panel()->box2()->setText(QStringLiteral("b"));
        QCOMPARE(picker->dataset().sql().lines(), lines);
        QCOMPARE(picker->dataset().sql().binds(), (QVariantList{"%a%", "%b%"}));
    }

    void everyKeystrokeRequeriesTheSharedDataset() {
        TestDatabase t;
        fillShop(t.db());
        // Another window left the member dataset filtered; showing the picker lists everyone.
        Dataset& kh = *t.dm().AQkh1;
        kh.open(SqlText(QStringLiteral("SELECT * FROM kh")).add(QStringLiteral("where bm=?"), QStringLiteral("1001")));
        TFkh2 picker(t.dm(), QStringLiteral("tjxs"), nullptr);
        picker.panel()->box1()->setText(QStringLiteral("stale"));
        picker.show();
        QCOMPARE(picker.panel()->box1()->text(), QString());
        QCOMPARE(kh.count(), 4);

        QList<int> counts;
        connect(&kh, &Dataset::opened, this, [&] { counts << kh.count(); });
        QLineEdit* name = picker.panel()->box2();
        QTest::keyClicks(name, QStringLiteral("O'x"));
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(counts, (QList<int>{1, 1, 0, 1, 1, 4}));
        QCOMPARE(picker.dataset().text(QStringLiteral("mc")), QStringLiteral("无卡顾客"));
    }

    void chooseFillsTheCallersBoxes_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("writes");
        const auto w = [](const char* text) { return QString::fromUtf8(text).split(u';', Qt::SkipEmptyParts); };
        QTest::newRow("product into purchase, purchase price")
            << "TFsp2" << "tjcg" << "6902" << w("Edit4=6902;Edit5=百事可乐;Edit6=瓶;Edit7=2.30");
        QTest::newRow("product into stock-in, stock unit cost")
            << "TFsp2" << "tjrk" << "6902" << w("Edit4=6902;Edit5=百事可乐;Edit6=瓶;Edit7=2.20");
        QTest::newRow("product into stock-out, stock unit cost")
            << "TFsp2" << "tjck" << "7001" << w("Edit4=7001;Edit5=薯片;Edit6=袋;Edit7=3.90");
        QTest::newRow("product into unit conversion, no price")
            << "TFsp2" << "xgkc2" << "7001" << w("Edit5=7001;Edit6=薯片;Edit7=袋");
        QTest::newRow("member into redemption") << "TFkh2" << "tjdui" << "1002" << w("Edit1=1002");
        QTest::newRow("member into sales entry") << "TFkh2" << "tjxs" << "2001" << w("hybm=2001");
        QTest::newRow("member into receivable") << "TFkh2" << "tjysfx" << "1001" << w("Edit1=1001");
        QTest::newRow("supplier into purchase") << "TFghs2" << "tjcg" << "乙厂" << w("Edit1=乙厂");
        QTest::newRow("supplier into payable") << "TFghs2" << "tjyffx" << "甲厂" << w("Edit1=甲厂");
        QTest::newRow("employee into redemption") << "TFyg2" << "tjdui" << "赵六" << w("Edit3=赵六");
        QTest::newRow("employee into purchase") << "TFyg2" << "tjcg" << "赵六" << w("Edit2=赵六");
        QTest::newRow("employee into sales entry") << "TFyg2" << "tjxs" << "王五" << w("jsr=王五");
        QTest::newRow("employee into stock-in") << "TFyg2" << "tjrk" << "王五" << w("Edit2=王五");
        QTest::newRow("employee into stock-out") << "TFyg2" << "tjck" << "王五" << w("Edit2=王五");
        QTest::newRow("employee into payable") << "TFyg2" << "tjyffx" << "王五" << w("Edit3=王五");
        QTest::newRow("employee into receivable") << "TFyg2" << "tjysfx" << "王五" << w("Edit3=王五");
        QTest::newRow("employee into payment") << "TFyg2" << "tjfkfx" << "王五" << w("Edit5=王五");
        QTest::newRow("employee into receipt") << "TFyg2" << "tjskfx" << "王五" << w("Edit5=王五");
        QTest::newRow("employee into income/expense") << "TFyg2" << "tjszfx" << "王五" << w("Edit1=王五");
        QTest::newRow("gift into redemption")
            << "TFzp2" << "tjdui" << "G02" << w("Edit4=G02;Edit5=水杯;Edit6=个;Edit7=50.00");
        // Codes of other pickers, or none at all, copy nothing.
        QTest::newRow("product picker, sales entry code") << "TFsp2" << "tjxs" << "6901" << QStringList();
        QTest::newRow("member picker, purchase code") << "TFkh2" << "tjcg" << "1001" << QStringList();
        QTest::newRow("supplier picker, no code") << "TFghs2" << "" << "甲厂" << QStringList();
        QTest::newRow("employee picker, unknown code") << "TFyg2" << "xgkc2" << "王五" << QStringList();
        QTest::newRow("gift picker, purchase code") << "TFzp2" << "tjcg" << "G01" << QStringList();
    }
    void chooseFillsTheCallersBoxes() {
        QFETCH(QString, form);
        QFETCH(QString, code);
        QFETCH(QString, key);
        QFETCH(QStringList, writes);
        TestDatabase t;
        fillShop(t.db());
        MessageRecorder messages;
        FakeCaller caller;
        auto picker = makePicker(t.dm(), form, code, &caller);
        showOn(*picker, keyField(form), key);
        picker->chooseButton()->click();
        QCOMPARE(caller.writes, writes);
        QCOMPARE(picker->result(), int(QDialog::Accepted));
        QVERIFY(!picker->isVisible());
        QCOMPARE(messages.boxes.size(), 0);
    }

    void typedDeliveryCarriesTheCallersPrice_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("delivered");
        QTest::addColumn<QString>("price"); // empty: none
        QTest::newRow("purchase: jj") << "tjcg" << true << "2.30";
        QTest::newRow("stock-in: kcjg") << "tjrk" << true << "2.20";
        QTest::newRow("stock-out: kcjg") << "tjck" << true << "2.20";
        QTest::newRow("unit conversion: none") << "xgkc2" << true << "";
        QTest::newRow("unknown code: nothing") << "tjdui" << false << "";
    }
    void typedDeliveryCarriesTheCallersPrice() {
        QFETCH(QString, code);
        QFETCH(bool, delivered);
        QFETCH(QString, price);
        TestDatabase t;
        fillShop(t.db());
        FakeCaller caller;
        std::optional<ProductChoice> got;
        TFsp2 picker(t.dm(), code, &caller, [&](const ProductChoice& c) { got = c; });
        showOn(picker, QStringLiteral("txm"), QStringLiteral("6902"));
        QVERIFY(picker.choose());
        QCOMPARE(got.has_value(), delivered);
        QCOMPARE(caller.writes, QStringList()); // a typed delivery leaves the boxes alone
        if (!delivered)
            return;
        QCOMPARE(got->txm, QStringLiteral("6902"));
        QCOMPARE(got->ppgg, QStringLiteral("百事可乐"));
        QCOMPARE(got->dw, QStringLiteral("瓶"));
        QCOMPARE(got->price.has_value(), !price.isEmpty());
        if (got->price)
            QCOMPARE(*got->price, Money::fromString(price));
    }

    void typedDeliveryOfTheOtherPickers() {
        TestDatabase t;
        fillShop(t.db());
        QStringList got;
        TFkh2 kh(t.dm(), QStringLiteral("tjxs"), nullptr, [&](const MemberChoice& c) { got << c.bm; });
        showOn(kh, QStringLiteral("bm"), QStringLiteral("2001"));
        kh.choose();
        TFghs2 ghs(t.dm(), QStringLiteral("tjyffx"), nullptr, [&](const SupplierChoice& c) { got << c.mc; });
        showOn(ghs, QStringLiteral("mc"), QStringLiteral("乙厂"));
        ghs.choose();
        TFyg2 yg(t.dm(), QStringLiteral("tjszfx"), nullptr, [&](const EmployeeChoice& c) { got << c.xm; });
        showOn(yg, QStringLiteral("xm"), QStringLiteral("赵六"));
        yg.choose();
        TFzp2 zp(t.dm(), QStringLiteral("tjdui"), nullptr, [&](const GiftChoice& c) {
            got << c.txm + c.ppgg + c.dw + c.jfjs.toShortString();
        });
        showOn(zp, QStringLiteral("txm"), QStringLiteral("G01"));
        zp.choose();
        QCOMPARE(got, (QStringList{"2001", "乙厂", "赵六", "G01雨伞把100"}));
    }

    void chooseOnAnEmptyListWarnsAndStaysOpen_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("message");
        QTest::newRow("products") << "TFsp2" << "none" << "没有商品可选择！";
        QTest::newRow("members") << "TFkh2" << "none" << "没有会员可选择！";
        QTest::newRow("suppliers") << "TFghs2" << "none" << "没有厂商可选择！";
        QTest::newRow("employees") << "TFyg2" << "none" << "没有员工可选择！";
        QTest::newRow("gifts") << "TFzp2" << "none" << "没有增品可选择！";
        QTest::newRow("empty table") << "TFyg2" << "" << "没有员工可选择！";
    }
    void chooseOnAnEmptyListWarnsAndStaysOpen() {
        QFETCH(QString, form);
        QFETCH(QString, search);
        QFETCH(QString, message);
        TestDatabase t;
        if (!search.isEmpty())
            fillShop(t.db());
        MessageRecorder messages;
        FakeCaller caller;
        auto picker = makePicker(t.dm(), form, QStringLiteral("tjcg"), &caller);
        picker->show();
        picker->panel()->box1()->setText(search);
        QCOMPARE(picker->dataset().count(), 0);
        // The button, and Enter in the grid (which has no row to stand on).
        picker->chooseButton()->click();
        QTest::keyClick(picker->panel()->grid(), Qt::Key_Return);
        QCOMPARE(messages.texts(), (QStringList{message, message}));
        QCOMPARE(messages.boxes.first().caption, QStringLiteral("警告"));
        QCOMPARE(messages.boxes.first().icon, Messages::Icon::Warning);
        QVERIFY(picker->isVisible());
        QCOMPARE(caller.writes, QStringList());
    }

    void keysAndDoubleClick_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("Enter in box 2") << "box2" << true;
        QTest::newRow("Enter in the grid") << "grid" << true;
        QTest::newRow("double-click in the grid") << "double" << true;
        QTest::newRow("Esc") << "esc" << false;
        QTest::newRow("关闭") << "close" << false;
    }
    void keysAndDoubleClick() {
        QFETCH(QString, action);
        QFETCH(bool, chosen);
        TestDatabase t;
        fillShop(t.db());
        FakeCaller caller;
        TFghs2 picker(t.dm(), QStringLiteral("tjcg"), &caller);
        showOn(picker, QStringLiteral("mc"), QStringLiteral("乙厂"));
        DatasetView* grid = picker.panel()->grid();
        if (action == QLatin1String("box2")) {
            QTest::keyClick(picker.panel()->box2(), Qt::Key_Return);
        } else if (action == QLatin1String("grid")) {
            QTest::keyClick(grid, Qt::Key_Return);
        } else if (action == QLatin1String("double")) {
            QVERIFY(QTest::qWaitForWindowExposed(&picker));
            const QRect cell = grid->visualRect(picker.dataset().index(1, 1));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        } else if (action == QLatin1String("esc")) {
            QTest::keyClick(grid, Qt::Key_Escape);
        } else {
            picker.closeButton()->click();
        }
        QVERIFY(!picker.isVisible());
        QCOMPARE(picker.result(), chosen ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(caller.writes, chosen ? QStringList{"Edit1=乙厂"} : QStringList());
    }

    void enterInBox1MovesToBox2() {
        TestDatabase t;
        TFkh2 picker(t.dm(), QStringLiteral("tjxs"), nullptr);
        picker.show();
        picker.panel()->box1()->setFocus();
        QTest::keyClick(picker.panel()->box1(), Qt::Key_Return);
        QCOMPARE(picker.focusWidget(), picker.panel()->box2());
        QVERIFY(picker.isVisible());
    }

    void closingResetsTheCallersLookupSwitch_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("choose");
        QTest::addColumn<QString>("after");
        QTest::newRow("products for a purchase, chosen") << "TFsp2" << "tjcg" << "sao" << true << "sao";
        QTest::newRow("products for a purchase, closed") << "TFsp2" << "tjcg" << "sao" << false << "sao";
        QTest::newRow("products for unit conversion") << "TFsp2" << "xgkc2" << "sao" << false << "sao";
        QTest::newRow("products for stock-in keep it") << "TFsp2" << "tjrk" << "sao" << true << "xuan";
        QTest::newRow("gifts for a redemption") << "TFzp2" << "tjdui" << "SAO" << true << "sao";
        QTest::newRow("members for a redemption keep it") << "TFkh2" << "tjdui" << "SAO" << true << "xuan";
        QTest::newRow("unknown code keeps it") << "TFsp2" << "tjxs" << "sao" << true << "xuan";
    }
    void closingResetsTheCallersLookupSwitch() {
        QFETCH(QString, form);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(bool, choose);
        QFETCH(QString, after);
        TestDatabase t;
        fillShop(t.db());
        FakeCaller caller;
        const QByteArray prop = name.toLatin1();
        LookupSwitch::disarm(&caller, prop.constData());
        auto picker = makePicker(t.dm(), form, code, &caller);
        picker->show();
        QCOMPARE(LookupSwitch::value(&caller, prop.constData()), QStringLiteral("xuan"));
        if (choose)
            picker->chooseButton()->click();
        else
            picker->close();
        QVERIFY(!picker->isVisible());
        QCOMPARE(LookupSwitch::value(&caller, prop.constData()), after);
    }

    void categoryTreeFiltersProducts() {
        TestDatabase t;
        fillShop(t.db());
        TFsp2 picker(t.dm(), QStringLiteral("tjcg"), nullptr);
        picker.show();
        CategoryTree* tree = picker.browser()->tree();
        QCOMPARE(tree->root()->text(0), QStringLiteral("全部类别"));
        QCOMPARE(tree->categories(), (QStringList{"未分类", "未知", "饮料", "零食", "日用"}));

        picker.panel()->box1()->setText(QStringLiteral("可乐"));
        picker.panel()->box2()->setText(QStringLiteral("01"));
        QVERIFY(tree->clickNode(QStringLiteral("日用")));
        Dataset& sp = picker.dataset();
        QCOMPARE(sp.sql().lines(), (QStringList{"select * from sp", "where lb=?"}));
        QCOMPARE(sp.sql().binds(), QVariantList{QStringLiteral("日用")});
        QCOMPARE(column(sp, QStringLiteral("txm")), (QStringList{"8001", "8002"}));
        QCOMPARE(picker.panel()->box1()->text(), QString());
        QCOMPARE(picker.panel()->box2()->text(), QString());
        QCOMPARE(picker.focusWidget(), picker.panel()->grid());

        QVERIFY(tree->clickNode(QStringLiteral("全部类别")));
        QCOMPARE(sp.sql().lines(), QStringList{"select * from sp"});
        QCOMPARE(sp.count(), 5);
        QVERIFY(tree->clickNode(QStringLiteral("未知")));
        QCOMPARE(sp.count(), 0);
    }

    void productColumnsFollowTheCaller_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("jj");
        QTest::addColumn<bool>("kcjg");
        QTest::newRow("purchase") << "tjcg" << true << false;
        QTest::newRow("stock-in") << "tjrk" << false << true;
        QTest::newRow("stock-out") << "tjck" << false << true;
        QTest::newRow("unit conversion") << "xgkc2" << true << true;
    }
    void productColumnsFollowTheCaller() {
        QFETCH(QString, code);
        QFETCH(bool, jj);
        QFETCH(bool, kcjg);
        TestDatabase t;
        fillShop(t.db());
        TFsp2 picker(t.dm(), code, nullptr);
        picker.show();
        QStringList shown;
        for (const GridColumn& c : picker.panel()->grid()->gridColumns())
            if (c.visible)
                shown << c.caption;
        QStringList expected{"编码", "商品名称", "单位", "库存数量"};
        if (jj)
            expected << "采购单价";
        if (kcjg)
            expected << "库存单价";
        expected << QStringList{"商品描述", "备注", "打折标记", "类别"};
        QCOMPARE(shown, expected);
    }

    void blockedMembersAreRed() {
        TestDatabase t;
        fillShop(t.db());
        TFkh2 picker(t.dm(), QStringLiteral("tjxs"), nullptr);
        picker.show();
        Dataset& kh = picker.dataset();
        const auto colour = [&](const char* bm) {
            const QVariant v = kh.data(kh.index(kh.find(QStringLiteral("bm"), QString::fromLatin1(bm)), 1),
                                       Qt::ForegroundRole);
            return v.isValid() ? v.value<QBrush>().color() : QColor();
        };
        QCOMPARE(colour("1002"), QColor(Qt::red));
        QCOMPARE(colour("1001"), QColor());
    }

    void addNewOpensTheRegisteredEntryDialog() {
        TestDatabase t;
        fillShop(t.db());
        {
            TFyg2 picker(t.dm(), QStringLiteral("tjcg"), nullptr);
            QVERIFY(!picker.addButton()->isEnabled());
        }
        int opened = 0;
        const NewRecordDialogs::Scope scope(QStringLiteral("yg"), [&](TDM1& dm, QWidget*) {
            ++opened;
            Dataset& yg = *dm.AQyg1;
            yg.append();
            yg.setText(QStringLiteral("xm"), QStringLiteral("孙七"));
            yg.post();
        });
        FakeCaller caller;
        TFyg2 picker(t.dm(), QStringLiteral("tjcg"), &caller);
        picker.show();
        QVERIFY(picker.addButton()->isEnabled());
        picker.addButton()->click();
        QCOMPARE(opened, 1);
        // The new row is in the picker's list and current: choosing takes it at once.
        QCOMPARE(column(picker.dataset(), QStringLiteral("xm")), (QStringList{"王五", "赵六", "孙七"}));
        picker.chooseButton()->click();
        QCOMPARE(caller.writes, QStringList{"Edit2=孙七"});
    }
};

QTEST_MAIN(TestPickers)
#include "tst_pickers.moc"

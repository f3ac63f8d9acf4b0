#include "admin/ui/TFdr1.h"
#include "app/WindowRegistry.h"
#include "data/DM1.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/NewRecordDialogs.h"
#include "data/ui/QueryDialog.h"
#include "masterdata/Employees.h"
#include "masterdata/Suppliers.h"
#include "masterdata/ui/TFghs1.h"
#include "masterdata/ui/TFghs2.h"
#include "masterdata/ui/TFtjghs1.h"
#include "masterdata/ui/TFtjyg1.h"
#include "masterdata/ui/TFyg1.h"
#include "masterdata/ui/TFyg2.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

template <typename T = QLineEdit> T* box(QWidget& w, const char* name) {
    auto* b = w.findChild<T*>(QString::fromLatin1(name));
    if (!b)
        qFatal("no control %s", name);
    return b;
}

Dataset& openAll(Dataset& ds, const QString& table) {
    ds.open(SqlText({QStringLiteral("SELECT * FROM ") + table, QStringLiteral("order by id")}, {}));
    return ds;
}

Suppliers::Entry supplier(const QString& name) {
    Suppliers::Entry e;
    e.mc = name;
    return e;
}

Employees::Entry employee(const QString& name, const QString& sex = QStringLiteral("男")) {
    Employees::Entry e;
    e.xm = name;
    e.xb = sex;
    e.jbgz = QStringLiteral("0");
    return e;
}

QString scalar(Database& db, const QString& sql, const QVariantList& binds = {}) {
    return db.scalar(sql, binds).toString();
}

QStringList column(const Dataset& ds, const QString& field) {
    QStringList out;
    const int c = ds.fieldIndex(field);
    for (int r = 0; r < ds.count(); ++r)
        out << ds.text(r, c);
    return out;
}

QStringList toolBarCaptions(const RecordListWindow& w) {
    QStringList out;
    for (const ListCommand& c : w.definition().toolBar)
        out << c.caption;
    return out;
}

} // namespace

class TestSuppliersEmployees : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }

    // services
    void namesAreUniqueOnAddOnly_data();
    void namesAreUniqueOnAddOnly();
    void requiredFieldsRefuseWithFocus_data();
    void requiredFieldsRefuseWithFocus();
    void salaryIsRoundedBeforeTheChecksAndATooLargeOneIsRefused();

    // supplier entry dialog and list
    void supplierAddStaysOpenForTheNextSupplier();
    void supplierModifyFillsFromTheCurrentRowAndCloses();
    void postalCodeTakesSixDigitsAndKeepsALongerStoredOne();
    void supplierListOpensTheEntryDialogAndCountsTheNewRow();
    void supplierQueryRunsItsLinesWithBoundValues();
    void importOpensTheImportDialogAndRefreshesTheCount();

    // employee entry dialog and list
    void employeeAddStaysOpenKeepingTheSex();
    void employeeModifyFillsFromTheCurrentRowAndCloses();
    void identityNumberTakesDigitsOnly();
    void employeeListCommandsAndDelete();

    // pickers
    void pickersAddThroughTheRegisteredEntryDialogs_data();
    void pickersAddThroughTheRegisteredEntryDialogs();
};

// --- services ----------------------------------------------------------------------------------

void TestSuppliersEmployees::namesAreUniqueOnAddOnly_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    for (const QString& table : {QStringLiteral("ghs"), QStringLiteral("yg")}) {
        const QByteArray t = table.toLatin1();
        QTest::newRow(t + ": same name") << table << "华联" << true;
        QTest::newRow(t + ": same name with blanks around") << table << " 华联  " << true;
        QTest::newRow(t + ": name containing the other") << table << "华联超市" << false;
        QTest::newRow(t + ": quote in the name") << table << "O'Brien" << false;
    }
}

void TestSuppliersEmployees::namesAreUniqueOnAddOnly() {
    QFETCH(QString, table);
    QFETCH(QString, name);
    QFETCH(bool, refused);
    TestDatabase t;
    const bool suppliers = table == QStringLiteral("ghs");
    Dataset& ds = openAll(suppliers ? *t.dm().AQghs1 : *t.dm().AQyg1, table);
    const QString key = suppliers ? QStringLiteral("mc") : QStringLiteral("xm");
    auto add = [&](const QString& n) {
        return suppliers ? Suppliers::add(ds, supplier(n)) : Employees::add(ds, employee(n));
    };
    auto modify = [&](const QString& n) {
        return suppliers ? Suppliers::modify(ds, supplier(n)) : Employees::modify(ds, employee(n));
    };
    QVERIFY(!add(QStringLiteral("华联")));
    QVERIFY(!add(QStringLiteral("百佳")));

    const MasterData::Outcome r = add(name);
    QCOMPARE(bool(r), refused);
    if (refused) {
        QCOMPARE(r->kind, MasterData::Refusal::Kind::Warning);
        QCOMPARE(r->text, suppliers ? QStringLiteral("厂商不可重复！") : QStringLiteral("员工不可重复！"));
        QCOMPARE(r->field, key);
        QCOMPARE(ds.count(), 2);
    } else {
        QCOMPARE(ds.count(), 3);
        QCOMPARE(ds.text(key), name.trimmed()); // the new row is current, stored trimmed
    }

    // Renaming to a name that exists runs no check; records naming the old one keep it.
    t.db().exec(QStringLiteral("insert into cgfx (ghs,jsr) values(?,?)"),
                {QStringLiteral("百佳"), QStringLiteral("百佳")});
    ds.setCurrentRow(ds.find(key, QStringLiteral("百佳")));
    QVERIFY(!modify(QStringLiteral(" 华联 ")));
    QCOMPARE(scalar(t.db(), QStringLiteral("select count(*) from %1 where %2='华联'").arg(table, key)),
             QStringLiteral("2"));
    QCOMPARE(scalar(t.db(), QStringLiteral("select ghs||jsr from cgfx")), QStringLiteral("百佳百佳"));
}

void TestSuppliersEmployees::requiredFieldsRefuseWithFocus_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("blank"); // the control left empty
    QTest::addColumn<QString>("message");
    for (const QString& mode : {QStringLiteral("新增"), QStringLiteral("修改")}) {
        const QByteArray m = mode.toUtf8();
        QTest::newRow(m + " supplier, name only blanks") << "TFtjghs1" << mode << "Edit1" << "名称不可为空！";
        QTest::newRow(m + " employee, name only blanks") << "TFtjyg1" << mode << "Edit1" << "姓名不可为空！";
        QTest::newRow(m + " employee, no sex") << "TFtjyg1" << mode << "ComboBox1" << "性别不可为空！";
    }
}

void TestSuppliersEmployees::requiredFieldsRefuseWithFocus() {
    QFETCH(QString, form);
    QFETCH(QString, mode);
    QFETCH(QString, blank);
    QFETCH(QString, message);
    TestDatabase t;
    MessageRecorder messages;
    Dataset& ghs = openAll(*t.dm().AQghs1, QStringLiteral("ghs"));
    Dataset& yg = openAll(*t.dm().AQyg1, QStringLiteral("yg"));
    QVERIFY(!Suppliers::add(ghs, supplier(QStringLiteral("华联"))));
    QVERIFY(!Employees::add(yg, employee(QStringLiteral("张三"))));

    std::unique_ptr<QDialog> d;
    if (form == QStringLiteral("TFtjghs1")) {
        auto* s = new TFtjghs1(t.dm());
        s->setMode(mode);
        d.reset(s);
    } else {
        auto* e = new TFtjyg1(t.dm());
        e->setMode(mode);
        d.reset(e);
    }
    d->show();
    box(*d, "Edit1")->setText(QStringLiteral("李四"));
    box(*d, "Edit2")->setText(QStringLiteral("某某"));
    if (blank == QStringLiteral("ComboBox1"))
        box<QComboBox>(*d, "ComboBox1")->setCurrentIndex(-1);
    else
        box(*d, "Edit1")->setText(QStringLiteral("   "));
    d->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->setFocus();

    box<QPushButton>(*d, "BitBtn1")->click();
    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(messages.boxes[0].caption, QStringLiteral("提示"));
    QCOMPARE(messages.boxes[0].icon, Messages::Icon::Information);
    QCOMPARE(d->focusWidget()->objectName(), blank);
    QVERIFY(d->isVisible());
    // Nothing was written.
    QCOMPARE(scalar(t.db(), QStringLiteral("select count(*) from ghs")), QStringLiteral("1"));
    QCOMPARE(scalar(t.db(), QStringLiteral("select mc from ghs")), QStringLiteral("华联"));
    QCOMPARE(scalar(t.db(), QStringLiteral("select count(*) from yg")), QStringLiteral("1"));
    QCOMPARE(scalar(t.db(), QStringLiteral("select xm||xb from yg")), QStringLiteral("张三男"));
}

void TestSuppliersEmployees::salaryIsRoundedBeforeTheChecksAndATooLargeOneIsRefused() {
    TestDatabase t;
    MessageRecorder messages;
    openAll(*t.dm().AQyg1, QStringLiteral("yg"));
    TFtjyg1 d(t.dm());
    d.setMode(TFtjyg1::addMode());
    QLineEdit* salary = box(d, "Edit6");

    // Rounded and shown so even when the name is missing.
    salary->setText(QStringLiteral("2.675"));
    QVERIFY(!d.save());
    QCOMPARE(salary->text(), QStringLiteral("2.68"));
    salary->setText(QStringLiteral("1.00501")); // rounded on the typed digits
    QVERIFY(!d.save());
    QCOMPARE(salary->text(), QStringLiteral("1.01"));
    salary->setText(QStringLiteral("3.5")); // two decimals or fewer stay as typed
    QVERIFY(!d.save());
    QCOMPARE(salary->text(), QStringLiteral("3.5"));
    QCOMPARE(messages.texts(), QStringList(3, QStringLiteral("姓名不可为空！")));

    box(d, "Edit1")->setText(QStringLiteral("王五"));
    salary->setText(QStringLiteral("1234.565"));
    QVERIFY(d.save());
    QCOMPARE(t.dm().AQyg1->money(QStringLiteral("jbgz")), Money::fromString(u"1234.56"));

    // A salary beyond what can be stored is refused, not stored as 0.
    messages.clear();
    box(d, "Edit1")->setText(QStringLiteral("赵六"));
    salary->setText(QStringLiteral("99999999999999999999"));
    QVERIFY(!d.save());
    QCOMPARE(messages.boxes.size(), 1);
    QCOMPARE(messages.boxes[0].icon, Messages::Icon::Error);
    QCOMPARE(salary->text(), QStringLiteral("99999999999999999999"));
    QCOMPARE(scalar(t.db(), QStringLiteral("select count(*) from yg")), QStringLiteral("1"));
    QCOMPARE(t.dm().AQyg1->state(), Dataset::State::Browse);
}

// --- suppliers ---------------------------------------------------------------------------------

void TestSuppliersEmployees::supplierAddStaysOpenForTheNextSupplier() {
    TestDatabase t;
    MessageRecorder messages;
    Dataset& ghs = openAll(*t.dm().AQghs1, QStringLiteral("ghs"));
    TFtjghs1 d(t.dm());
    d.setMode(TFtjghs1::addMode());
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("新增厂商资料"));
    QCOMPARE(box<QLabel>(d, "ST1")->text(), QStringLiteral("新增"));
    QCOMPARE(d.focusWidget(), box(d, "Edit1"));

    const QStringList typed = {" 华联 ", "张三 ", "0571-1 ", " 文一路1号", "0571-2",
                               "310012",  "工行 ", " 6222", "月结 "};
    for (int i = 0; i < typed.size(); ++i) {
        QLineEdit* e = box(d, QStringLiteral("Edit%1").arg(i + 1).toLatin1());
        QVERIFY(e->text().isEmpty());
        e->setText(typed[i]);
    }
    box(d, "Edit9")->setFocus();
    box<QPushButton>(d, "BitBtn1")->click();
    QVERIFY(messages.boxes.isEmpty());
    QVERIFY(d.isVisible());
    QCOMPARE(d.result(), 0);

    // Stored trimmed field by field, shown at once as the current row.
    QCOMPARE(ghs.count(), 1);
    QCOMPARE(ghs.text(QStringLiteral("mc")), QStringLiteral("华联"));
    QStringList stored;
    for (const char* f : {"mc", "lxr", "lxdh", "lxdz", "lxcz", "yb", "yhmc", "yhzh", "bz"})
        stored << scalar(t.db(), QStringLiteral("select %1 from ghs").arg(QLatin1String(f)));
    QCOMPARE(stored, (QStringList{"华联", "张三", "0571-1", "文一路1号", "0571-2", "310012", "工行",
                                  "6222", "月结"}));
    // Ready for the next one.
    for (int i = 1; i <= 9; ++i)
        QVERIFY(box(d, QStringLiteral("Edit%1").arg(i).toLatin1())->text().isEmpty());
    QCOMPARE(d.focusWidget(), box(d, "Edit1"));

    box(d, "Edit1")->setText(QStringLiteral("华联 "));
    box(d, "Edit2")->setText(QStringLiteral("李四"));
    QVERIFY(!d.save());
    QCOMPARE(messages.texts(), QStringList{"厂商不可重复！"});
    QCOMPARE(messages.boxes[0].caption, QStringLiteral("警告"));
    QCOMPARE(messages.boxes[0].icon, Messages::Icon::Warning);
    QCOMPARE(box(d, "Edit2")->text(), QStringLiteral("李四")); // boxes kept for a correction
    QCOMPARE(ghs.count(), 1);
}

void TestSuppliersEmployees::supplierModifyFillsFromTheCurrentRowAndCloses() {
    TestDatabase t;
    MessageRecorder messages;
    Dataset& ghs = openAll(*t.dm().AQghs1, QStringLiteral("ghs"));
    QVERIFY(!Suppliers::add(ghs, supplier(QStringLiteral("华联"))));
    Suppliers::Entry second = supplier(QStringLiteral("百佳"));
    second.lxr = QStringLiteral("张三");
    second.yb = QStringLiteral("310012");
    second.bz = QStringLiteral("月结");
    QVERIFY(!Suppliers::add(ghs, second));
    ghs.setCurrentRow(1);

    TFtjghs1 d(t.dm());
    d.setMode(TFtjghs1::modifyMode());
    QCOMPARE(d.windowTitle(), QStringLiteral("修改厂商资料"));
    QCOMPARE(box<QLabel>(d, "ST1")->text(), QStringLiteral("修改"));
    QCOMPARE(box(d, "Edit1")->text(), QStringLiteral("百佳"));
    QCOMPARE(box(d, "Edit2")->text(), QStringLiteral("张三"));
    QCOMPARE(box(d, "Edit6")->text(), QStringLiteral("310012"));
    QCOMPARE(box(d, "Edit9")->text(), QStringLiteral("月结"));
    QVERIFY(box(d, "Edit3")->text().isEmpty());

    box(d, "Edit1")->setText(QStringLiteral(" 华联 ")); // no duplicate test on 修改
    box(d, "Edit5")->setText(QStringLiteral(" 0571-2 "));
    QVERIFY(d.save());
    QVERIFY(messages.boxes.isEmpty());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(column(ghs, QStringLiteral("mc")), (QStringList{"华联", "华联"}));
    QCOMPARE(scalar(t.db(), QStringLiteral("select lxr||lxcz||yb||bz from ghs where id=?"),
                    {ghs.id(1)}),
             QStringLiteral("张三0571-2310012月结"));
}

void TestSuppliersEmployees::postalCodeTakesSixDigitsAndKeepsALongerStoredOne() {
    TestDatabase t;
    TFtjghs1 d(t.dm());
    d.show();
    QLineEdit* postal = box(d, "Edit6");
    postal->setFocus();
    QTest::keyClicks(postal, QStringLiteral("31a0-0123 45"));
    QCOMPARE(postal->text(), QStringLiteral("310012"));
    QTest::keyClick(postal, Qt::Key_Backspace);
    QCOMPARE(postal->text(), QStringLiteral("31001"));

    // A seven-character code that came in by import survives 修改 unchanged.
    t.db().exec(QStringLiteral("insert into ghs (mc,yb) values('华联','3100123')"));
    Dataset& ghs = openAll(*t.dm().AQghs1, QStringLiteral("ghs"));
    TFtjghs1 m(t.dm());
    m.setMode(TFtjghs1::modifyMode());
    QCOMPARE(box(m, "Edit6")->text(), QStringLiteral("3100123"));
    QVERIFY(m.save());
    QCOMPARE(scalar(t.db(), QStringLiteral("select yb from ghs")), QStringLiteral("3100123"));
    QCOMPARE(ghs.text(QStringLiteral("yb")), QStringLiteral("3100123"));
}

void TestSuppliersEmployees::supplierListOpensTheEntryDialogAndCountsTheNewRow() {
    TestDatabase t;
    MessageRecorder messages;
    Dataset& ghs = openAll(*t.dm().AQghs1, QStringLiteral("ghs"));
    QVERIFY(!Suppliers::add(ghs, supplier(QStringLiteral("华联"))));
    TFghs1 w(t.dm());
    w.show();
    QCOMPARE(w.panelText(1), QStringLiteral("1"));

    QStringList seen;
    {
        DialogRunner::Scope runner([&](QDialog& dialog) {
            auto* d = qobject_cast<TFtjghs1*>(&dialog);
            if (!d)
                return int(QDialog::Rejected);
            seen << d->windowTitle() + u'/' + box(*d, "Edit1")->text();
            if (d->mode() == TFtjghs1::addMode()) {
                for (const char* name : {"甲厂", "乙厂"}) {
                    box(*d, "Edit1")->setText(QString::fromUtf8(name));
                    d->save();
                }
                return int(QDialog::Rejected); // 关闭 after the second one
            }
            box(*d, "Edit2")->setText(QStringLiteral("王五"));
            d->save();
            return d->result();
        });
        QVERIFY(w.runCommand(QStringLiteral("新增")));
        QCOMPARE(w.panelText(1), QStringLiteral("3"));
        ghs.setCurrentRow(0);
        Q_EMIT w.grid()->rowChosen(0); // double-click runs 修改
    }
    QCOMPARE(seen, (QStringList{"新增厂商资料/", "修改厂商资料/华联"}));
    QCOMPARE(column(ghs, QStringLiteral("mc")), (QStringList{"华联", "甲厂", "乙厂"}));
    QCOMPARE(scalar(t.db(), QStringLiteral("select lxr from ghs where mc='华联'")),
             QStringLiteral("王五"));
    QVERIFY(messages.boxes.isEmpty());
}

void TestSuppliersEmployees::supplierQueryRunsItsLinesWithBoundValues() {
    TestDatabase t;
    MessageRecorder messages;
    Dataset& ghs = openAll(*t.dm().AQghs1, QStringLiteral("ghs"));
    Suppliers::Entry a = supplier(QStringLiteral("华联超市"));
    a.lxr = QStringLiteral("张三");
    a.lxdh = QStringLiteral("0571");
    a.lxdz = QStringLiteral("文一路");
    QVERIFY(!Suppliers::add(ghs, a));
    Suppliers::Entry b = a;
    b.mc = QStringLiteral("华联批发");
    b.lxdz = QStringLiteral("文二路");
    QVERIFY(!Suppliers::add(ghs, b));
    TFghs1 w(t.dm());
    w.show();

    QStringList labels;
    {
        DialogRunner::Scope runner([&](QDialog& dialog) {
            auto* q = qobject_cast<QueryDialog*>(&dialog);
            if (!q || q->objectName() != QStringLiteral("TFcxghs1"))
                return int(QDialog::Rejected);
            q->show();
            for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"})
                if (!box(*q, name)->text().isEmpty())
                    return int(QDialog::Rejected);
            box(*q, "Edit1")->setText(QStringLiteral("华联"));
            box(*q, "Edit4")->setText(QStringLiteral("二"));
            q->queryButton()->click();
            return q->result();
        });
        QVERIFY(w.runCommand(QStringLiteral("查询")));
    }
    QCOMPARE(ghs.sql().lines(),
             (QStringList{"SELECT * FROM ghs", "where mc like?", "and lxr like ?",
                          "and lxdh  like ?", "and lxdz  like ?", "order by id"}));
    QCOMPARE(ghs.sql().binds(), (QVariantList{"%华联%", "%%", "%%", "%二%"}));
    QCOMPARE(column(ghs, QStringLiteral("mc")), QStringList{"华联批发"});
    QCOMPARE(w.panelText(1), QStringLiteral("1"));
    QVERIFY(messages.boxes.isEmpty());
}

void TestSuppliersEmployees::importOpensTheImportDialogAndRefreshesTheCount() {
    TestDatabase t;
    MessageRecorder messages;
    TFghs1 w(t.dm());
    w.show();
    Dataset& ghs = *t.dm().AQghs1;
    QCOMPARE(w.panelText(1), QStringLiteral("0"));

    int shown = 0;
    {
        DialogRunner::Scope runner([&](QDialog& dialog) {
            auto* d = qobject_cast<TFdr1*>(&dialog);
            if (!d)
                return int(QDialog::Rejected);
            ++shown;
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("导入厂商资料"));
                QCOMPARE(d->ST(), QStringLiteral("ghs"));
                QCOMPARE(QDir::fromNativeSeparators(box(*d, "Edit1")->text()),
                         QDir(t.folder()).filePath(QStringLiteral("数据导入模版/厂商资料.xlsx")));
            }();
            // What an import leaves: the table's dataset on its rows, more of them.
            t.db().exec(QStringLiteral("insert into ghs (mc) values('华联'),('百佳')"));
            ghs.open(SqlText(QStringLiteral("select * from ghs")));
            return int(QDialog::Accepted);
        });
        QVERIFY(w.runCommand(QStringLiteral("导入")));
    }
    QCOMPARE(shown, 1);
    QCOMPARE(w.panelText(1), QStringLiteral("2"));
    QVERIFY(messages.boxes.isEmpty());

    // A closed dataset opens nothing.
    ghs.close();
    {
        DialogRunner::Scope runner([&](QDialog&) {
            ++shown;
            return int(QDialog::Rejected);
        });
        w.runCommand(QStringLiteral("导入"));
    }
    QCOMPARE(shown, 1);
    QCOMPARE(messages.texts(), QStringList{"数据表未打开，请先查询！"});
}

// --- employees ---------------------------------------------------------------------------------

void TestSuppliersEmployees::employeeAddStaysOpenKeepingTheSex() {
    TestDatabase t;
    MessageRecorder messages;
    Dataset& yg = openAll(*t.dm().AQyg1, QStringLiteral("yg"));
    TFtjyg1 d(t.dm());
    d.setMode(TFtjyg1::addMode());
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("新增员工资料"));
    QCOMPARE(box<QLabel>(d, "ST1")->text(), QStringLiteral("新增"));
    QCOMPARE(d.focusWidget(), box(d, "Edit1"));
    auto* sex = box<QComboBox>(d, "ComboBox1");
    QCOMPARE(sex->currentText(), QStringLiteral("男"));
    QCOMPARE(sex->count(), 2);
    QCOMPARE(sex->itemText(1), QStringLiteral("女"));
    QCOMPARE(box(d, "Edit6")->text(), QStringLiteral("0"));

    box(d, "Edit1")->setText(QStringLiteral(" 李梅 "));
    sex->setCurrentText(QStringLiteral("女"));
    box(d, "Edit2")->setText(QStringLiteral("店长 "));
    box(d, "Edit3")->setText(QStringLiteral(" 前台"));
    box(d, "Edit4")->setText(QStringLiteral("139"));
    box(d, "Edit5")->setText(QStringLiteral("文一路"));
    box(d, "Edit6")->setText(QStringLiteral("3000.5"));
    box(d, "Edit7")->setText(QStringLiteral("330106"));
    box(d, "Edit8")->setText(QStringLiteral(" 试用 "));
    box<QPushButton>(d, "BitBtn1")->click();
    QVERIFY(messages.boxes.isEmpty());
    QVERIFY(d.isVisible());

    QCOMPARE(yg.count(), 1);
    QCOMPARE(yg.text(QStringLiteral("xm")), QStringLiteral("李梅"));
    QCOMPARE(yg.money(QStringLiteral("jbgz")), Money::fromString(u"3000.5"));
    QCOMPARE(scalar(t.db(), QStringLiteral("select xm||xb||zw||bm||dh||dz||sfz||bz from yg")),
             QStringLiteral("李梅女店长前台139文一路330106试用"));
    // Ready for the next employee of the same sex.
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit7", "Edit8"})
        QVERIFY2(box(d, name)->text().isEmpty(), name);
    QCOMPARE(box(d, "Edit6")->text(), QStringLiteral("0"));
    QCOMPARE(sex->currentText(), QStringLiteral("女"));
    QCOMPARE(d.focusWidget(), box(d, "Edit1"));

    box(d, "Edit1")->setText(QStringLiteral("李梅"));
    QVERIFY(!d.save());
    QCOMPARE(messages.texts(), QStringList{"员工不可重复！"});
    QCOMPARE(messages.boxes[0].caption, QStringLiteral("警告"));
    QCOMPARE(d.focusWidget(), box(d, "Edit1"));
    QCOMPARE(yg.count(), 1);
}

void TestSuppliersEmployees::employeeModifyFillsFromTheCurrentRowAndCloses() {
    TestDatabase t;
    MessageRecorder messages;
    Dataset& yg = openAll(*t.dm().AQyg1, QStringLiteral("yg"));
    QVERIFY(!Employees::add(yg, employee(QStringLiteral("张三"))));
    Employees::Entry second = employee(QStringLiteral("李梅"), QStringLiteral("女"));
    second.bm = QStringLiteral("前台");
    second.jbgz = QStringLiteral("3000.5");
    second.sfz = QStringLiteral("330106");
    QVERIFY(!Employees::add(yg, second));
    yg.setCurrentRow(1);

    TFtjyg1 d(t.dm());
    d.setMode(TFtjyg1::modifyMode());
    QCOMPARE(d.windowTitle(), QStringLiteral("修改员工资料"));
    QCOMPARE(box<QLabel>(d, "ST1")->text(), QStringLiteral("修改"));
    QCOMPARE(box(d, "Edit1")->text(), QStringLiteral("李梅"));
    QCOMPARE(box<QComboBox>(d, "ComboBox1")->currentText(), QStringLiteral("女"));
    QCOMPARE(box(d, "Edit3")->text(), QStringLiteral("前台"));
    QCOMPARE(box(d, "Edit6")->text(), QStringLiteral("3000.50"));
    QCOMPARE(box(d, "Edit7")->text(), QStringLiteral("330106"));

    // Renamed to the other employee's name: accepted, both are listed.
    box(d, "Edit1")->setText(QStringLiteral("张三"));
    box(d, "Edit6")->setText(QStringLiteral("3100"));
    QVERIFY(d.save());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(messages.boxes.isEmpty());
    QCOMPARE(column(yg, QStringLiteral("xm")), (QStringList{"张三", "张三"}));
    QCOMPARE(yg.money(QStringLiteral("jbgz")), Money(3100));
    QCOMPARE(yg.text(QStringLiteral("xb")), QStringLiteral("女"));
}

void TestSuppliersEmployees::identityNumberTakesDigitsOnly() {
    TestDatabase t;
    TFtjyg1 d(t.dm());
    d.show();
    QLineEdit* id = box(d, "Edit7");
    id->setFocus();
    QTest::keyClicks(id, QStringLiteral("33010619800101123X"));
    QCOMPARE(id->text(), QStringLiteral("33010619800101123"));
    QLineEdit* salary = box(d, "Edit6");
    salary->setFocus();
    salary->selectAll();
    QTest::keyClicks(salary, QStringLiteral("12a.5.6"));
    QCOMPARE(salary->text(), QStringLiteral("12.56"));
}

void TestSuppliersEmployees::employeeListCommandsAndDelete() {
    TestDatabase t;
    MessageRecorder messages;
    Dataset& yg = openAll(*t.dm().AQyg1, QStringLiteral("yg"));
    QVERIFY(!Employees::add(yg, employee(QStringLiteral("张三"))));
    QVERIFY(!Employees::add(yg, employee(QStringLiteral("李梅"), QStringLiteral("女"))));
    yg.close();

    TFyg1 w(t.dm());
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("员工资料"));
    QCOMPARE(toolBarCaptions(w), (QStringList{"新增", "修改", "删除", "导出", "关闭"}));
    QVERIFY(!w.runCommand(QStringLiteral("查询")));
    QCOMPARE(yg.sql().lines(), (QStringList{"SELECT * FROM yg", "order by id"}));
    QCOMPARE(w.panelText(0), QStringLiteral("记录数："));
    QCOMPARE(w.panelText(1), QStringLiteral("2"));
    QStringList captions;
    for (int c = 0; c < w.grid()->model()->columnCount(); ++c)
        if (!w.grid()->isColumnHidden(c))
            captions << w.grid()->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(captions, (QStringList{"姓名", "性别", "职务", "部门", "电话", "住址", "基本工资",
                                    "身份证号", "备注"}));

    // 新增 and 修改 open the entry dialog in their modes.
    QStringList seen;
    {
        DialogRunner::Scope runner([&](QDialog& dialog) {
            auto* d = qobject_cast<TFtjyg1*>(&dialog);
            if (!d)
                return int(QDialog::Rejected);
            seen << d->windowTitle() + u'/' + box(*d, "Edit1")->text();
            if (d->mode() == TFtjyg1::addMode()) {
                box(*d, "Edit1")->setText(QStringLiteral("王五"));
                d->save();
            }
            return int(QDialog::Rejected);
        });
        w.runCommand(QStringLiteral("新增"));
        QCOMPARE(w.panelText(1), QStringLiteral("3"));
        yg.setCurrentRow(1);
        Q_EMIT w.grid()->rowChosen(yg.currentRow());
    }
    QCOMPARE(seen, (QStringList{"新增员工资料/", "修改员工资料/李梅"}));

    // 删除 asks first; Cancel keeps the row.
    messages.answers << Messages::Answer::Cancel << Messages::Answer::Ok;
    w.runCommand(QStringLiteral("删除"));
    QCOMPARE(yg.count(), 3);
    w.runCommand(QStringLiteral("删除"));
    QCOMPARE(messages.texts(), QStringList(2, QStringLiteral("确定要删除此员工么？")));
    QCOMPARE(messages.boxes[0].caption, QStringLiteral("提示"));
    QCOMPARE(messages.boxes[0].icon, Messages::Icon::Question);
    QCOMPARE(messages.boxes[0].buttons, Messages::Buttons::OkCancel);
    QCOMPARE(column(yg, QStringLiteral("xm")), (QStringList{"张三", "王五"}));
    QCOMPARE(w.panelText(1), QStringLiteral("2"));
}

// --- pickers -----------------------------------------------------------------------------------

void TestSuppliersEmployees::pickersAddThroughTheRegisteredEntryDialogs_data() {
    QTest::addColumn<QString>("table");
    QTest::newRow("supplier picker") << "ghs";
    QTest::newRow("employee picker") << "yg";
}

void TestSuppliersEmployees::pickersAddThroughTheRegisteredEntryDialogs() {
    QFETCH(QString, table);
    WindowRegistry::standard(); // registers the entry dialogs at start-up
    QVERIFY(NewRecordDialogs::find(table));

    TestDatabase t;
    MessageRecorder messages;
    QWidget caller;
    std::unique_ptr<PickerDialog> picker;
    if (table == QStringLiteral("ghs"))
        picker = std::make_unique<TFghs2>(t.dm(), QStringLiteral("tjcg"), &caller);
    else
        picker = std::make_unique<TFyg2>(t.dm(), QStringLiteral("tjcg"), &caller);
    picker->show();
    QVERIFY(picker->addButton()->isEnabled());

    QString title;
    {
        DialogRunner::Scope runner([&](QDialog& dialog) {
            title = dialog.windowTitle();
            box(dialog, "Edit1")->setText(QStringLiteral("新来的"));
            box<QPushButton>(dialog, "BitBtn1")->click();
            return int(QDialog::Rejected);
        });
        picker->addButton()->click();
    }
    QCOMPARE(title, table == QStringLiteral("ghs") ? QStringLiteral("新增厂商资料")
                                                   : QStringLiteral("新增员工资料"));
    const Dataset& ds = picker->dataset();
    QCOMPARE(ds.count(), 1);
    QCOMPARE(ds.text(table == QStringLiteral("ghs") ? QStringLiteral("mc") : QStringLiteral("xm")),
             QStringLiteral("新来的"));
    QVERIFY(messages.boxes.isEmpty());
}

QTEST_MAIN(TestSuppliersEmployees)
#include "tst_suppliers_employees.moc"

#include "core/Clock.h"
#include "data/DM1.h"
#include "data/ListQuery.h"
#include "data/ui/CodeBox.h"
#include "data/ui/DatasetView.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/QueryDialog.h"
#include "data/ui/RecordListWindow.h"
#include "data/ui/RowStyles.h"
#include "masterdata/ui/TFghs1.h"
#include "print/ui/TFdyPreview1.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using ListQuery::Field;

namespace {

void addSupplier(Dataset& ds, const QString& name, const QString& contact = QString(),
                 const QString& phone = QString(), const QString& address = QString()) {
    ds.append();
    ds.setText(QStringLiteral("mc"), name);
    if (!contact.isNull())
        ds.setText(QStringLiteral("lxr"), contact);
    if (!phone.isNull())
        ds.setText(QStringLiteral("lxdh"), phone);
    if (!address.isNull())
        ds.setText(QStringLiteral("lxdz"), address);
    ds.post();
}

void addPurchase(Database& db, const QString& date, const QString& name, const QString& qty,
                 const QString& amount, const QString& audit) {
    db.exec(QStringLiteral("insert into cgfx (rq,ppgg,sl,je,shbj) values(?,?,?,?,?)"),
            {date, name, QVariant::fromValue(Money::fromString(qty)),
             QVariant::fromValue(Money::fromString(amount)), audit});
}

QStringList column(const Dataset& ds, const QString& field) {
    QStringList out;
    const int c = ds.fieldIndex(field);
    for (int r = 0; r < ds.count(); ++r)
        out << ds.text(r, c);
    return out;
}

// The purchase records list as a record window: today's rows, totals of quantity and amount,
// red returns on green unaudited rows, audited rows refused by 修改.
ListDefinition purchases(TDM1& dm) {
    ListDefinition d;
    d.objectName = QStringLiteral("TFcgfx1");
    d.title = QStringLiteral("采购入库");
    d.dataset = dm.AQcgfx1;
    d.selectLine = QStringLiteral("SELECT * FROM cgfx");
    d.defaultCondition = [](SqlText& q) { q.add(QStringLiteral("where rq=?"), Clock::todayText()); };
    d.columns = {{QStringLiteral("shbj")}, {QStringLiteral("rq")}, {QStringLiteral("ppgg")},
                 {QStringLiteral("sl")},   {QStringLiteral("je")}};
    d.rowStyle = RowStyles::combine(RowStyles::redWhenAtMostZero(QStringLiteral("sl")),
                                    RowStyles::greenWhenUnaudited());
    d.legend = {{RowStyles::red(), QStringLiteral("数量＜0：采购退货")}};
    d.totals = {{QStringLiteral("sl"), QStringLiteral("数量")},
                {QStringLiteral("je"), QStringLiteral("金额")}};
    d.note = QStringLiteral("默认显示当天数据");
    d.toolBar = {{QStringLiteral("反审"), QStringLiteral("SB33")}, {QStringLiteral("新增"), QStringLiteral("SB44")},
                 {QStringLiteral("修改"), QStringLiteral("SB55")}, {QStringLiteral("删除"), QStringLiteral("SB66")},
                 {QStringLiteral("查询"), QStringLiteral("SB77")}, {QStringLiteral("打印"), QStringLiteral("SB88")},
                 {QStringLiteral("导出"), QStringLiteral("SB99")}, {QStringLiteral("关闭"), QStringLiteral("SB100")}};
    d.popup = {{QStringLiteral("删除")}, {QStringLiteral("反审核")}};
    d.audited = true;
    d.query.fields = {
        Field::text(QStringLiteral("Edit2"), QStringLiteral("商品名称"), QStringLiteral("where ppgg like ?")),
        Field::choice(QStringLiteral("ComboBox1"), QStringLiteral("类型"),
                      {{QStringLiteral("全部"), {}},
                       {QStringLiteral("进货"), QStringLiteral("and sl>0")},
                       {QStringLiteral("退货"), QStringLiteral("and sl<0")}}),
    };
    d.query.dateRange = ListQuery::DateRange{};
    return d;
}

// A statistics window: nothing until 统计, totals added up from the result rows.
ListDefinition statistics(TDM1& dm) {
    ListDefinition d;
    d.objectName = QStringLiteral("TFcgtj1");
    d.title = QStringLiteral("采购统计表");
    d.dataset = dm.AQcgtj1;
    d.selectLine = QStringLiteral("SELECT * FROM cgtj1");
    d.openOnShow = false;
    d.statistics = true;
    d.totals = {{QStringLiteral("zsl")}, {QStringLiteral("zje")}};
    d.totalsFromRows = true;
    d.toolBar = {{QStringLiteral("打印")}, {QStringLiteral("导出")}, {QStringLiteral("关闭")}};
    return d;
}

} // namespace

class TestRecordList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // --- the query text ---------------------------------------------------------------------

    void conditionLines_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("dateOn");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QVariantList>("binds");

        const QString sel = QStringLiteral("SELECT * FROM kh");
        QTest::newRow("every box empty: the always-present lines match anything")
            << QStringList{"", "", "", "", "全部"} << false
            << QStringList{sel, "where bm like ?", "and mc like ?"}
            << QVariantList{"%%", "%%"};
        QTest::newRow("optional lines only when filled; choice and dates after the texts")
            << QStringList{"007", "", "1390", " ", "不可用"} << true
            << QStringList{sel, "where bm like ?", "and mc like ?", "and lxdh like ?",
                           "and ztbj='不可用'", "and kkrq>=? and kkrq<=?"}
            << QVariantList{"%007%", "%%", "%1390%", "2010-04-04", "2010-05-04"};
        QTest::newRow("typed quote and wildcard are bound values")
            << QStringList{"O'B", "5%", "", "", "全部"} << false
            << QStringList{sel, "where bm like ?", "and mc like ?"}
            << QVariantList{"%O'B%", "%5%%"};
    }

    void conditionLines() {
        QFETCH(QStringList, values);
        QFETCH(bool, dateOn);
        QFETCH(QStringList, lines);
        QFETCH(QVariantList, binds);
        ListQuery::Definition def;
        def.fields = {Field::text("Edit1", "卡号", "where bm like ?"),
                      Field::text("Edit2", "姓名", "and mc like ?"),
                      Field::text("Edit3", "电话", "and lxdh like ?", true),
                      Field::text("Edit4", "地址", "and lxdz like ?", true),
                      Field::choice("ComboBox2", "状态",
                                    {{"全部", {}},
                                     {"可用", "and ztbj='可用'"},
                                     {"不可用", "and ztbj='不可用'"}})};
        def.dateRange = ListQuery::DateRange{QStringLiteral("and kkrq>=? and kkrq<=?")};
        // The choice box comes first in the dialog; its line still follows the text lines.
        def.fields.move(4, 0);
        values.move(4, 0);
        ListQuery::Input in{values, dateOn, QDate(2010, 4, 4), QDate(2010, 5, 4)};
        SqlText q(QStringLiteral("SELECT * FROM kh"));
        ListQuery::appendConditions(q, def, in);
        QCOMPARE(q.lines(), lines);
        QCOMPARE(q.binds(), binds);
    }

    void firstLineLeftOutTheNextStartsWithWhere() {
        ListQuery::Definition def;
        def.fields = {Field::text("Edit1", "电话", "where lxdh like ?", true),
                      Field::choice("ComboBox1", "库存", ListQuery::stockChoices("kcsl"))};
        SqlText q(QStringLiteral("SELECT * FROM sp"));
        ListQuery::appendConditions(q, def, {{"", "库存＜0"}, false, {}, {}});
        QCOMPARE(q.lines(), (QStringList{"SELECT * FROM sp", "where kcsl<0"}));
    }

    void supplierQueryFindsByBoundText() {
        TestDatabase t;
        MessageRecorder rec;
        Dataset& ds = *t.dm().AQghs1;
        ds.open();
        addSupplier(ds, QStringLiteral("O'Brien 商行"), QStringLiteral("张三"), QStringLiteral("1"), "");
        addSupplier(ds, QStringLiteral("百分百%食品"), QStringLiteral("李四"), QStringLiteral("2"), "");
        addSupplier(ds, QStringLiteral("华联"), QStringLiteral("王五"), QString(), ""); // no phone at all
        TFghs1 w(t.dm());
        QueryDialog dialog(w.definition().query, w.definition().selectLine,
                           [&](const SqlText& q) { return w.runQuery(q); });
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        QVERIFY(name);
        // Every box empty: every supplier whose searched fields are present.
        dialog.runQuery();
        QCOMPARE(column(ds, "mc"), (QStringList{"O'Brien 商行", "百分百%食品"}));
        QCOMPARE(w.panelText(1), QStringLiteral("2"));
        QCOMPARE(ds.sql().lines(), (QStringList{"SELECT * FROM ghs", "where mc like?", "and lxr like ?",
                                                "and lxdh  like ?", "and lxdz  like ?", "order by id"}));
        name->setText(QStringLiteral("'"));
        dialog.runQuery();
        QCOMPARE(column(ds, "mc"), QStringList{"O'Brien 商行"});
        name->setText(QStringLiteral("百%食"));
        dialog.runQuery();
        QCOMPARE(column(ds, "mc"), QStringList{"百分百%食品"});
        QVERIFY(rec.boxes.isEmpty());
    }

    // --- the query dialog -------------------------------------------------------------------

    void queryDialogStartsEmptyAndKeepsTheRangeInOrder() {
        TestDatabase t; // today 2010-05-04
        ListDefinition d = purchases(t.dm());
        QueryDialog dialog(d.query, d.selectLine, {});
        dialog.show();
        auto* on = dialog.findChild<QCheckBox*>("CheckBox1");
        auto* from = dialog.findChild<QDateEdit*>("DateTimePicker1");
        auto* to = dialog.findChild<QDateEdit*>("DateTimePicker2");
        auto* type = dialog.findChild<QComboBox*>("ComboBox1");
        QVERIFY(on && from && to && type);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("按条件查询"));
        QVERIFY(!on->isChecked());
        QCOMPARE(from->date(), QDate(2010, 4, 4));
        QCOMPARE(to->date(), QDate(2010, 5, 4));
        QCOMPARE(type->currentText(), QStringLiteral("全部"));
        QCOMPARE(QApplication::focusWidget() == dialog.findChild<QLineEdit*>("Edit2") ||
                     !QApplication::focusWidget(),
                 true);

        from->setDate(QDate(2010, 6, 1));
        Q_EMIT from->editingFinished();
        QCOMPARE(to->date(), QDate(2010, 6, 1));
        to->setDate(QDate(2010, 3, 1));
        Q_EMIT to->editingFinished();
        QCOMPARE(from->date(), QDate(2010, 3, 1));
        // A later end date leaves the start alone.
        to->setDate(QDate(2010, 3, 9));
        Q_EMIT to->editingFinished();
        QCOMPARE(from->date(), QDate(2010, 3, 1));
    }

    void enterMovesOnAndPressesQueryInTheLastBox() {
        TestDatabase t;
        ListDefinition d = TFghs1::listDefinition(t.dm());
        int runs = 0;
        QueryDialog dialog(d.query, d.selectLine, [&](const SqlText&) { ++runs; return true; });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* first = dialog.findChild<QLineEdit*>("Edit1");
        auto* last = dialog.findChild<QLineEdit*>("Edit4");
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), dialog.findChild<QLineEdit*>("Edit2"));
        QCOMPARE(runs, 0);
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Return);
        QCOMPARE(runs, 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void closeButtonQueriesNothing() {
        TestDatabase t;
        ListDefinition d = TFghs1::listDefinition(t.dm());
        int runs = 0;
        QueryDialog dialog(d.query, d.selectLine, [&](const SqlText&) { ++runs; return true; });
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(runs, 0);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    // --- the window -------------------------------------------------------------------------

    void masterListShowsAllRowsAndTheirCount() {
        TestDatabase t;
        Dataset& ds = *t.dm().AQghs1;
        ds.open();
        addSupplier(ds, QStringLiteral("b"));
        addSupplier(ds, QStringLiteral("a"));
        ds.close();
        TFghs1 w(t.dm());
        w.show();
        QVERIFY(ds.isOpen());
        QCOMPARE(ds.sql().lines(), (QStringList{"SELECT * FROM ghs", "order by id"}));
        QCOMPARE(w.panelText(0), QStringLiteral("记录数："));
        QCOMPARE(w.panelText(1), QStringLiteral("2"));
        QCOMPARE(w.windowTitle(), QStringLiteral("厂商资料"));
        // Tool bar in its order, grid columns as listed (the id not shown), titles centred.
        QStringList captions;
        for (QToolButton* b : w.findChildren<QToolButton*>())
            captions << b->text();
        QCOMPARE(captions, (QStringList{"导入", "新增", "修改", "删除", "查询", "打印", "导出", "关闭"}));
        QHeaderView* h = w.grid()->horizontalHeader();
        QCOMPARE(h->logicalIndex(0), ds.fieldIndex("mc"));
        QVERIFY(h->isSectionHidden(ds.fieldIndex("id")));
        QCOMPARE(ds.headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        // Title clicks sort; a list with title sorting off ignores them.
        w.grid()->clickTitle(ds.fieldIndex("mc"));
        QCOMPARE(column(ds, "mc"), (QStringList{"a", "b"}));
        QCOMPARE(h->logicalIndex(0), ds.fieldIndex("mc"));
        w.grid()->setTitleSorting(false);
        w.grid()->clickTitle(ds.fieldIndex("mc"));
        QCOMPARE(ds.sortOrder(), QStringLiteral("mc ASC"));
    }

    void recordListShowsTodayWithTotalsAndColours() {
        TestDatabase t; // today 2010-05-04
        Database& db = t.db();
        addPurchase(db, "2010-05-04", "笔", "10", "25.5", "已审核");
        addPurchase(db, "2010-05-04", "纸", "-2", "-4", "未审核");
        addPurchase(db, "2010-05-03", "墨", "7", "70", "已审核");
        RecordListWindow w(purchases(t.dm()));
        w.show();
        Dataset& ds = *t.dm().AQcgfx1;
        QCOMPARE(column(ds, "ppgg"), (QStringList{"笔", "纸"}));
        QCOMPARE(ds.sql().lines(), (QStringList{"SELECT * FROM cgfx", "where rq=?", "order by id"}));
        QCOMPARE(w.panelText(0), QStringLiteral("总计"));
        QCOMPARE(w.panelText(2), QStringLiteral("8"));
        QCOMPARE(w.panelText(4), QStringLiteral("21.5"));
        QCOMPARE(w.panelText(w.panelCount() - 1), QStringLiteral("默认显示当天数据"));

        const QModelIndex audited = ds.index(0, ds.fieldIndex("ppgg"));
        const QModelIndex returned = ds.index(1, ds.fieldIndex("ppgg"));
        QVERIFY(!audited.data(Qt::ForegroundRole).isValid());
        QVERIFY(!audited.data(Qt::BackgroundRole).isValid());
        QCOMPARE(returned.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        QCOMPARE(returned.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(225, 255, 225));

        // Yesterday's row only through a query with the date range.
        DialogRunner::Scope runner([](QDialog& d) {
            d.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
            d.findChild<QPushButton*>("BitBtn1")->click();
            return d.result();
        });
        w.runCommand(QStringLiteral("查询"));
        QCOMPARE(column(ds, "ppgg"), (QStringList{"笔", "纸", "墨"}));
        QCOMPARE(w.panelText(2), QStringLiteral("15"));
        QCOMPARE(w.panelText(4), QStringLiteral("91.5"));
        QCOMPARE(ds.sql().lines(), (QStringList{"SELECT * FROM cgfx", "where ppgg like ?",
                                                "and rq>=? and rq<=?", "order by id"}));
    }

    void noRowsGivesZeroTotals() {
        TestDatabase t;
        RecordListWindow w(purchases(t.dm()));
        w.show();
        QCOMPARE(w.panelText(2), QStringLiteral("0"));
        QCOMPARE(w.panelText(4), QStringLiteral("0"));
    }

    void commandGuards_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("message");

        const QString notOpen = QStringLiteral("数据表未打开，请先查询！");
        QTest::newRow("修改, closed") << "ghs" << "修改" << true << notOpen;
        QTest::newRow("修改, empty") << "ghs" << "修改" << false << "没有数据可修改，请先查询！";
        QTest::newRow("删除, closed") << "ghs" << "删除" << true << notOpen;
        QTest::newRow("删除, empty") << "ghs" << "删除" << false << "没有数据可删除，请先查询！";
        QTest::newRow("打印, closed") << "ghs" << "打印" << true << notOpen;
        QTest::newRow("打印, empty") << "ghs" << "打印" << false << "没有数据可打印，请先查询！";
        QTest::newRow("导出, closed") << "ghs" << "导出" << true << notOpen;
        QTest::newRow("导入, closed") << "ghs" << "导入" << true << notOpen;
        QTest::newRow("新增 of suppliers, closed") << "ghs" << "新增" << true << notOpen;
        QTest::newRow("反审, closed") << "cgfx" << "反审" << true << notOpen;
        QTest::newRow("反审, empty") << "cgfx" << "反审" << false << "没有数据可反审，请先查询！";
        QTest::newRow("反审核 of the popup, empty") << "cgfx" << "反审核" << false << "没有数据可反审，请先查询！";
        QTest::newRow("statistics 打印, closed") << "tj" << "打印" << true << "数据表未打开，请先统计！";
        QTest::newRow("statistics 打印, empty") << "tj" << "打印" << false << "没有数据可打印，请先统计！";
        QTest::newRow("statistics 导出, closed") << "tj" << "导出" << true << "数据表未打开，请先统计！";
    }

    void commandGuards() {
        QFETCH(QString, window);
        QFETCH(QString, command);
        QFETCH(bool, closed);
        QFETCH(QString, message);
        TestDatabase t;
        MessageRecorder rec;
        ListDefinition d = window == "ghs"    ? TFghs1::listDefinition(t.dm())
                           : window == "cgfx" ? purchases(t.dm())
                                              : statistics(t.dm());
        QStringList hooks;
        d.entry = [&](RecordListWindow&, const QString& mode) { hooks << mode; };
        d.reverseAudit = [&](RecordListWindow&) { hooks << "反审"; };
        RecordListWindow w(d);
        w.show();
        if (closed)
            d.dataset->close();
        else
            d.dataset->open(SqlText(d.selectLine));
        QVERIFY(w.runCommand(command));
        QCOMPARE(rec.texts(), QStringList{message});
        QCOMPARE(rec.boxes[0].caption, QStringLiteral("警告"));
        QCOMPARE(rec.boxes[0].icon, Messages::Icon::Warning);
        QVERIFY(hooks.isEmpty());
    }

    void modifyRefusesAuditedRowsAndOpensTheEntryForOthers() {
        TestDatabase t;
        MessageRecorder rec;
        addPurchase(t.db(), "2010-05-04", "笔", "1", "1", "已审核");
        addPurchase(t.db(), "2010-05-04", "纸", "1", "1", "未审核");
        ListDefinition d = purchases(t.dm());
        QStringList modes;
        d.entry = [&](RecordListWindow& w, const QString& mode) {
            modes << mode + ":" + w.dataset().text("ppgg");
        };
        RecordListWindow w(d);
        w.show();
        w.runCommand("修改");
        QCOMPARE(rec.texts(), QStringList{"审核数据不可修改，请先反审！"});
        QVERIFY(modes.isEmpty());
        d.dataset->setCurrentRow(1);
        // Double-click on a row runs 修改.
        Q_EMIT w.grid()->rowChosen(1);
        w.runCommand("新增");
        QCOMPARE(modes, (QStringList{"修改:纸", "新增:纸"}));
        QCOMPARE(rec.boxes.size(), 1);
    }

    void deleteAsksThenRecomputesTheTotalsFromTheRowsLeft() {
        TestDatabase t;
        MessageRecorder rec;
        addPurchase(t.db(), "2010-05-04", "笔", "10", "25.5", "已审核");
        addPurchase(t.db(), "2010-05-04", "纸", "3", "4.25", "已审核");
        RecordListWindow w(purchases(t.dm()));
        w.show();
        Dataset& ds = *t.dm().AQcgfx1;
        ds.setCurrentRow(0);
        rec.answers << Messages::Answer::Cancel;
        w.runCommand("删除");
        QCOMPARE(ds.count(), 2);
        QCOMPARE(rec.boxes[0].text, QStringLiteral("确定要删除么？"));
        QCOMPARE(rec.boxes[0].caption, QStringLiteral("提示"));
        QCOMPARE(rec.boxes[0].buttons, Messages::Buttons::OkCancel);
        w.runCommand("删除");
        QCOMPARE(column(ds, "ppgg"), QStringList{"纸"});
        QCOMPARE(w.panelText(2), QStringLiteral("3"));
        QCOMPARE(w.panelText(4), QStringLiteral("4.25"));
        QCOMPARE(t.db().scalar("select count(*) from cgfx").toInt(), 1);
        // The last row: totals of nothing.
        w.runCommand("删除");
        QCOMPARE(w.panelText(2), QStringLiteral("0"));
        QCOMPARE(w.panelText(4), QStringLiteral("0"));
    }

    void deleteOfASupplierNamesItAndRefreshesTheCount() {
        TestDatabase t;
        MessageRecorder rec;
        Dataset& ds = *t.dm().AQghs1;
        ds.open();
        addSupplier(ds, "甲厂");
        addSupplier(ds, "乙厂");
        TFghs1 w(t.dm());
        w.show();
        w.runCommand("删除");
        QCOMPARE(rec.texts(), QStringList{"确定要删除此厂商么？"});
        QCOMPARE(column(ds, "mc"), QStringList{"乙厂"});
        QCOMPARE(w.panelText(1), QStringLiteral("1"));
    }

    void printPreviewsTheRowsAsShown() {
        TestDatabase t;
        MessageRecorder rec;
        Dataset& ds = *t.dm().AQghs1;
        ds.open();
        addSupplier(ds, "b", "张三");
        addSupplier(ds, "a", "李四");
        TFghs1 w(t.dm());
        w.show();
        w.grid()->clickTitle(ds.fieldIndex("mc"));
        Report shown;
        DialogRunner::Scope runner([&](QDialog& d) {
            if (auto* preview = qobject_cast<TFdyPreview1*>(&d))
                shown = preview->document().report();
            return int(QDialog::Rejected);
        });
        w.runCommand("打印");
        QVERIFY(rec.boxes.isEmpty());
        QVERIFY(shown.heading.endsWith(QStringLiteral("厂商信息表")));
        QCOMPARE(shown.rows.size(), 2);
        QCOMPARE(shown.rows[0].value(0), QStringLiteral("a"));
    }

    void codeBoxShowsNoCodeWhenEmptied() {
        CodeBox box;
        QCOMPARE(box.text(), QStringLiteral("无"));
        box.setText(QStringLiteral("6901"));
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTRY_COMPARE(box.text(), QStringLiteral("无"));
        QCOMPARE(box.selectedText(), QStringLiteral("无"));
        QTest::keyClicks(&box, "12");
        QCOMPARE(box.text(), QStringLiteral("12"));
        box.setText(QStringLiteral("  "));
        QCOMPARE(box.code(), QStringLiteral("无"));
        box.clear();
        QTRY_COMPARE(box.text(), QStringLiteral("无"));
    }

    void closingTheWindowClosesItsDataset() {
        TestDatabase t;
        auto* w = new TFghs1(t.dm());
        w->show();
        QVERIFY(t.dm().AQghs1->isOpen());
        QTest::keyClick(w->grid(), Qt::Key_Escape);
        QVERIFY(!t.dm().AQghs1->isOpen());
        QVERIFY(!w->isVisible());
        delete w;
    }
};

QTEST_MAIN(TestRecordList)
#include "tst_recordlist.moc"

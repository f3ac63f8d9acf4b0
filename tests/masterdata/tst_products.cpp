#include "app/TFmain1.h"
#include "core/Money.h"
#include "data/DM1.h"
#include "data/ui/CategoryTree.h"
#include "data/ui/DatasetView.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/NewRecordDialogs.h"
#include "data/ui/RecordListWindow.h"
#include "masterdata/Products.h"
#include "masterdata/ui/TFcxsp1.h"
#include "masterdata/ui/TFdw1.h"
#include "masterdata/ui/TFlb1.h"
#include "masterdata/ui/TFsp1.h"
#include "masterdata/ui/TFtjsp1.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QBrush>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QVariant money(const char* text) {
    return QVariant::fromValue(Money::fromString(QString::fromLatin1(text)));
}

// Replaces the default categories and units of a new database by two of each.
void addCategoriesAndUnits(Database& db) {
    db.exec(QStringLiteral("delete from lb"));
    db.exec(QStringLiteral("delete from dw"));
    for (const char* c : {"饮料", "零食"})
        db.exec(QStringLiteral("insert into lb (lb) values(?)"), {QString::fromUtf8(c)});
    for (const char* u : {"瓶", "箱"})
        db.exec(QStringLiteral("insert into dw (dw) values(?)"), {QString::fromUtf8(u)});
}

// Products: lb, txm, ppgg, dw, kcsl, ztbj.
void addProducts(Database& db) {
    struct P { const char *lb, *txm, *ppgg, *dw, *kcsl, *kcje, *ztbj; };
    const P rows[] = {
        {"饮料", "6901", "可乐", "瓶", "5", "12.5", "打折"},
        {"饮料", "6902", "雪碧", "瓶", "0", "0", "不打折"},
        {"零食", "7001", "薯片", "袋", "-2", "-8", "打折"},
        {"零食", "7002", "饼干", "盒", "3", "6.25", "打折"},
    };
    for (const P& p : rows)
        db.exec(QStringLiteral("insert into sp (lb,txm,ppgg,dw,kcsl,kcje,ztbj) values(?,?,?,?,?,?,?)"),
                {QString::fromUtf8(p.lb), QString::fromUtf8(p.txm), QString::fromUtf8(p.ppgg),
                 QString::fromUtf8(p.dw), money(p.kcsl), money(p.kcje), QString::fromUtf8(p.ztbj)});
}

// One stored field of the product of that name, numbers as "0.00".
QString stored(Database& db, const QString& field, const QString& name) {
    const auto rows = db.rows(QStringLiteral("select %1 from sp where ppgg=? order by id").arg(field),
                              {name});
    if (rows.isEmpty())
        return QStringLiteral("<none>");
    const QVariant v = rows.first().value(0);
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    return Money::fromRaw(v.toLongLong()).toFixed2();
}

int productCount(Database& db) { return db.scalar(QStringLiteral("select count(*) from sp")).toInt(); }

Products::Entry entry(const QString& name, const QString& code = QStringLiteral("无"),
                      const QString& unit = QStringLiteral("瓶")) {
    Products::Entry e;
    e.lb = QStringLiteral("饮料");
    e.ppgg = name;
    e.txm = code;
    e.dw = unit;
    for (const QString& f : Products::Entry::numberFields())
        e.number(f) = QStringLiteral("0");
    return e;
}

template <typename T = QLineEdit> T* box(QWidget* w, const char* name) {
    T* b = w->findChild<T*>(QString::fromLatin1(name));
    if (!b)
        qFatal("no box %s", name);
    return b;
}

QStringList column(const Dataset& ds, const QString& field) {
    QStringList out;
    for (int r = 0; r < ds.count(); ++r)
        out << ds.text(r, ds.fieldIndex(field));
    return out;
}

} // namespace

class tst_Products : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_messages = std::make_unique<MessageRecorder>();
        addCategoriesAndUnits(m_db->db());
    }
    void cleanup() {
        m_messages.reset();
        m_db.reset();
    }

    // --- the save rules, without windows -------------------------------------------------

    void roundTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("three decimals round up") << "1.006" << "1.01";
        QTest::newRow("exact half to even, down") << "0.125" << "0.12";
        QTest::newRow("exact half to even, up") << "0.135" << "0.14";
        QTest::newRow("just above half decided on the typed digits") << "1.00501" << "1.01";
        QTest::newRow("below half") << "2.5549" << "2.55";
        QTest::newRow("carry into the units") << "9.996" << "10.00";
        QTest::newRow("two decimals kept as typed") << "2.5" << "2.5";
        QTest::newRow("whole number kept as typed") << "3" << "3";
        QTest::newRow("a lone point is 0") << "." << "0";
        QTest::newRow("empty is 0") << "" << "0";
    }
    void roundTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(Products::roundTyped(typed), stored);
    }

    void addStoresTrimmedTextsComputedValueAndDiscountFlag() {
        Products::Entry e = entry(QStringLiteral("  可乐 "), QStringLiteral("   "));
        e.lb = QStringLiteral(" 饮料 ");
        e.kcsl = QStringLiteral("3");
        e.kcjg = QStringLiteral("2.556");
        e.ms = QStringLiteral(" 330ml ");
        Products::roundNumbers(e);
        QCOMPARE(e.kcjg, QStringLiteral("2.56"));
        QCOMPARE(Products::add(*m_db->dm().AQsp1, e), Products::Refusal::None);

        Database& db = m_db->db();
        QCOMPARE(stored(db, "lb", "可乐"), QStringLiteral("饮料"));
        QCOMPARE(stored(db, "txm", "可乐"), QStringLiteral("无"));
        QCOMPARE(stored(db, "ms", "可乐"), QStringLiteral("330ml"));
        QCOMPARE(stored(db, "kcjg", "可乐"), QStringLiteral("2.56"));
        QCOMPARE(stored(db, "kcje", "可乐"), QStringLiteral("7.68"));
        QCOMPARE(stored(db, "ztbj", "可乐"), QStringLiteral("打折"));
        // The shared dataset shows the new row at once, as its current row.
        QCOMPARE(m_db->dm().AQsp1->text(QStringLiteral("ppgg")), QStringLiteral("可乐"));
    }

    void duplicateTriple_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<bool>("refused");
        QTest::newRow("same name, no code, same unit") << "可乐" << "" << "瓶" << true;
        QTest::newRow("same triple with blanks around") << " 可乐  " << " 无 " << "瓶" << true;
        QTest::newRow("same name and code, other unit") << "可乐" << "无" << "箱" << false;
        QTest::newRow("same name, other code") << "可乐" << "6901" << "瓶" << false;
        QTest::newRow("other name") << "雪碧" << "无" << "瓶" << false;
    }
    void duplicateTriple() {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, unit);
        QFETCH(bool, refused);
        Dataset& sp = *m_db->dm().AQsp1;
        QCOMPARE(Products::add(sp, entry(QStringLiteral("可乐"), QString())), Products::Refusal::None);
        const Products::Refusal r = Products::add(sp, entry(name, code, unit));
        QCOMPARE(r, refused ? Products::Refusal::Duplicate : Products::Refusal::None);
        QCOMPARE(productCount(m_db->db()), refused ? 1 : 2);
        if (refused) {
            QCOMPARE(Products::message(r), QStringLiteral("商品不可重复！"));
            QVERIFY(Products::isWarning(r));
        }
    }

    void requiredFieldsInOrder_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("message");
        QTest::newRow("all empty: category first") << "" << "" << "" << "类别不可为空！";
        QTest::newRow("blank name") << "饮料" << "   " << "" << "品名规格型号不可为空！";
        QTest::newRow("unit missing") << "饮料" << "可乐" << " " << "计量单位不可为空！";
    }
    void requiredFieldsInOrder() {
        QFETCH(QString, category);
        QFETCH(QString, name);
        QFETCH(QString, unit);
        QFETCH(QString, message);
        Products::Entry e = entry(name, QStringLiteral("无"), unit);
        e.lb = category;
        for (bool adding : {true, false}) {
            const Products::Refusal r = adding ? Products::add(*m_db->dm().AQsp1, e)
                                               : Products::modify(*m_db->dm().AQsp1, e);
            QCOMPARE(Products::message(r), message);
            QVERIFY(!Products::isWarning(r));
        }
        QCOMPARE(productCount(m_db->db()), 0);
    }

    void modifyIntoAnotherProductsTripleIsAccepted() {
        addProducts(m_db->db());
        Dataset& sp = *m_db->dm().AQsp1;
        sp.open(SqlText(QStringLiteral("SELECT * FROM sp")).add(QStringLiteral("order by id")));
        sp.setCurrentRow(1); // 雪碧, 不打折
        Products::Entry e = Products::fromCurrentRow(sp);
        e.ppgg = QStringLiteral("可乐");
        e.txm = QStringLiteral("6901");
        e.kcsl = QStringLiteral("4");
        e.kcjg = QStringLiteral("1.25");
        QCOMPARE(Products::modify(sp, e), Products::Refusal::None);
        const auto rows = m_db->db().rows(
            QStringLiteral("select ztbj,kcje from sp where ppgg='可乐' and txm='6901' order by id"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].value(0).toString(), QStringLiteral("不打折")); // flag untouched
        QCOMPARE(Money::fromRaw(rows[1].value(1).toLongLong()).toFixed2(), QStringLiteral("5.00"));
    }

    // --- the entry dialog ---------------------------------------------------------------

    void entryDialogDefaultsAndOneSaveAfterAnother() {
        TFtjsp1 dlg(m_db->dm());
        dlg.setMode(TFtjsp1::addMode());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("新增商品资料"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit1"));
        QCOMPARE(box(&dlg, "Edit3")->text(), QStringLiteral("无"));
        for (int i = 5; i <= 11; ++i)
            QCOMPARE(dlg.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i))->text(),
                     QStringLiteral("0"));
        QVERIFY(box(&dlg, "Edit1")->isReadOnly());
        QVERIFY(box(&dlg, "Edit4")->isReadOnly());

        box(&dlg, "Edit1")->setText(QStringLiteral("饮料"));
        box(&dlg, "Edit2")->setText(QStringLiteral("可乐"));
        box(&dlg, "Edit4")->setText(QStringLiteral("瓶"));
        box(&dlg, "Edit9")->setText(QStringLiteral("3"));
        box(&dlg, "Edit10")->setText(QStringLiteral("1.006"));
        box(&dlg, "Edit13")->setText(QStringLiteral("备注"));
        box<QPushButton>(&dlg, "BitBtn1")->click();

        QVERIFY(m_messages->boxes.isEmpty());
        QCOMPARE(box(&dlg, "Edit10")->text(), QStringLiteral("1.01")); // written back
        QCOMPARE(box(&dlg, "Edit9")->text(), QStringLiteral("3"));     // as typed
        QCOMPARE(stored(m_db->db(), "kcjg", "可乐"), QStringLiteral("1.01"));
        QCOMPARE(stored(m_db->db(), "kcje", "可乐"), QStringLiteral("3.03"));
        QCOMPARE(stored(m_db->db(), "txm", "可乐"), QStringLiteral("无"));

        // Still open for the next product of the same category and unit.
        QVERIFY(dlg.isVisible());
        QCOMPARE(box(&dlg, "Edit3")->text(), QStringLiteral("无"));
        QCOMPARE(box(&dlg, "Edit1")->text(), QStringLiteral("饮料"));
        QCOMPARE(box(&dlg, "Edit4")->text(), QStringLiteral("瓶"));
        QCOMPARE(box(&dlg, "Edit13")->text(), QStringLiteral("备注"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit2"));

        // The same name again: refused, focus to the code.
        box<QPushButton>(&dlg, "BitBtn1")->click();
        QCOMPARE(m_messages->boxes.size(), 1);
        QCOMPARE(m_messages->boxes[0].caption, QStringLiteral("警告"));
        QCOMPARE(m_messages->boxes[0].icon, Messages::Icon::Warning);
        QCOMPARE(m_messages->boxes[0].text, QStringLiteral("商品不可重复！"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit3"));
        QCOMPARE(productCount(m_db->db()), 1);

        // Another code: the second product.
        box(&dlg, "Edit3")->setText(QStringLiteral("6901"));
        box(&dlg, "Edit13")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Enter in 备注说明 saves
        QCOMPARE(productCount(m_db->db()), 2);
    }

    void entryDialogRefusalMovesFocusToTheBox() {
        TFtjsp1 dlg(m_db->dm());
        dlg.setMode(TFtjsp1::addMode());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        box(&dlg, "Edit1")->setText(QStringLiteral("饮料"));
        box(&dlg, "Edit2")->setText(QStringLiteral("可乐"));
        box(&dlg, "Edit6")->setText(QStringLiteral("2.345"));
        dlg.save();
        QCOMPARE(m_messages->lastText(), QStringLiteral("计量单位不可为空！"));
        QCOMPARE(m_messages->boxes.last().caption, QStringLiteral("提示"));
        QCOMPARE(m_messages->boxes.last().icon, Messages::Icon::Information);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit4"));
        // Rounding comes first, even when the save is refused.
        QCOMPARE(box(&dlg, "Edit6")->text(), QStringLiteral("2.34"));
        QCOMPARE(productCount(m_db->db()), 0);
    }

    void entryDialogModifiesTheCurrentRowAndCloses() {
        addProducts(m_db->db());
        TFsp1 list(m_db->dm());
        list.show();
        Dataset& sp = *m_db->dm().AQsp1;
        sp.setCurrentRow(1); // 雪碧, 不打折
        int shown = 0;
        DialogRunner::Scope runner([&](QDialog& d) {
            auto& dlg = static_cast<TFtjsp1&>(d);
            ++shown;
            if (dlg.windowTitle() != QStringLiteral("修改商品资料") ||
                box(&dlg, "Edit2")->text() != QStringLiteral("雪碧") ||
                box(&dlg, "Edit3")->text() != QStringLiteral("6902"))
                return int(QDialog::Rejected);
            box(&dlg, "Edit9")->setText(QStringLiteral("3"));
            box(&dlg, "Edit10")->setText(QStringLiteral("2.556"));
            dlg.save();
            return dlg.result();
        });
        list.runCommand(QStringLiteral("修改"));
        QCOMPARE(shown, 1);
        QCOMPARE(stored(m_db->db(), "kcjg", "雪碧"), QStringLiteral("2.56"));
        QCOMPARE(stored(m_db->db(), "kcje", "雪碧"), QStringLiteral("7.68"));
        QCOMPARE(stored(m_db->db(), "ztbj", "雪碧"), QStringLiteral("不打折"));
        QCOMPARE(sp.text(QStringLiteral("kcje")), QStringLiteral("7.68"));
    }

    void pickersFillTheirBoxes() {
        TFtjsp1 dlg(m_db->dm());
        dlg.setMode(TFtjsp1::addMode());
        QStringList opened;
        DialogRunner::Scope runner([&](QDialog& d) {
            opened << d.objectName() + u':' + d.findChild<QLineEdit*>(QStringLiteral("xzbj"))->text();
            auto& picker = static_cast<ValueListDialog&>(d);
            picker.showRows();
            picker.dataset().setCurrentRow(1);
            picker.choose();
            return picker.result();
        });
        box<QAbstractButton>(&dlg, "SpeedButton1")->click();
        box<QAbstractButton>(&dlg, "SpeedButton2")->click();
        QCOMPARE(opened, (QStringList{QStringLiteral("TFlb1:tjsp"), QStringLiteral("TFdw1:tjsp")}));
        QCOMPARE(box(&dlg, "Edit1")->text(), QStringLiteral("零食"));
        QCOMPARE(box(&dlg, "Edit4")->text(), QStringLiteral("箱"));
    }

    void enterInAnEmptyPickerBoxOpensThePicker() {
        TFtjsp1 dlg(m_db->dm());
        dlg.setMode(TFtjsp1::addMode());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        int opened = 0;
        DialogRunner::Scope runner([&](QDialog&) {
            ++opened;
            return int(QDialog::Rejected);
        });
        QLineEdit* category = box(&dlg, "Edit1");
        QTest::keyClick(category, Qt::Key_Return);
        QCOMPARE(opened, 1);
        category->setText(QStringLiteral("饮料"));
        category->setFocus();
        QTest::keyClick(category, Qt::Key_Return);
        QCOMPARE(opened, 1);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit2"));
    }

    // --- the product list -----------------------------------------------------------------

    void treeListsACategoryByBoundValue() {
        addProducts(m_db->db());
        TFsp1 list(m_db->dm());
        list.show();
        Dataset& sp = *m_db->dm().AQsp1;
        QCOMPARE(list.panelText(1), QStringLiteral("4"));
        QCOMPARE(list.tree()->root()->text(0), QStringLiteral("全部类别"));
        QCOMPARE(list.tree()->categories(), (QStringList{QStringLiteral("饮料"), QStringLiteral("零食")}));

        QVERIFY(list.tree()->clickNode(QStringLiteral("零食")));
        QCOMPARE(sp.sql().lines(), (QStringList{QStringLiteral("select * from sp"),
                                                QStringLiteral("where lb=?")}));
        QCOMPARE(sp.sql().binds(), (QVariantList{QStringLiteral("零食")}));
        QCOMPARE(column(sp, QStringLiteral("ppgg")), (QStringList{QStringLiteral("薯片"), QStringLiteral("饼干")}));
        QCOMPARE(list.panelText(1), QStringLiteral("2"));

        QVERIFY(list.tree()->clickNode(QStringLiteral("全部类别")));
        QCOMPARE(sp.sql().lines(), QStringList{QStringLiteral("select * from sp")});
        QCOMPARE(list.panelText(1), QStringLiteral("4"));
    }

    void treeShowsNewCategoriesOnlyWhenReopened() {
        auto list = std::make_unique<TFsp1>(m_db->dm());
        m_db->db().exec(QStringLiteral("insert into lb (lb) values('日用')"));
        QCOMPARE(list->tree()->categories().size(), 2);
        list.reset();
        TFsp1 again(m_db->dm());
        QCOMPARE(again.tree()->categories().last(), QStringLiteral("日用"));
    }

    void discountFlags() {
        addProducts(m_db->db());
        TFsp1 list(m_db->dm());
        Dataset& sp = *m_db->dm().AQsp1;
        const QString notOpen = QStringLiteral("数据表未打开，请先查询！");
        list.runCommand(QStringLiteral("改标记：不打折"));
        QCOMPARE(m_messages->lastText(), notOpen);

        list.show();
        auto red = [&](int row) {
            return sp.data(sp.index(row, sp.fieldIndex(QStringLiteral("ppgg"))), Qt::ForegroundRole)
                       .value<QBrush>()
                       .color() == QColor(Qt::red);
        };
        QVERIFY(!red(0));
        QVERIFY(red(1));
        m_messages->clear();

        sp.setCurrentRow(0);
        list.runCommand(QStringLiteral("改标记：不打折"));
        QVERIFY(m_messages->boxes.isEmpty());
        QCOMPARE(stored(m_db->db(), "ztbj", "可乐"), QStringLiteral("不打折"));
        QVERIFY(red(0));

        list.runCommand(QStringLiteral("改标记：不打折"));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("“不打折”标记，无须修改！")});
        QCOMPARE(m_messages->boxes[0].caption, QStringLiteral("警告"));
        m_messages->clear();

        list.runCommand(QStringLiteral("改标记：打折"));
        list.runCommand(QStringLiteral("改标记：打折")); // already 打折: no message
        QVERIFY(m_messages->boxes.isEmpty());
        QCOMPARE(stored(m_db->db(), "ztbj", "可乐"), QStringLiteral("打折"));
        QVERIFY(!red(0));

        m_db->db().exec(QStringLiteral("delete from sp"));
        list.tree()->clickNode(QStringLiteral("全部类别"));
        list.runCommand(QStringLiteral("改标记：打折"));
        QCOMPARE(m_messages->lastText(), QStringLiteral("没有商品可修改！"));
    }

    void deleteAsksWithTheStockWarning() {
        addProducts(m_db->db());
        TFsp1 list(m_db->dm());
        list.show();
        m_messages->answers.enqueue(Messages::Answer::Ok);
        list.runCommand(QStringLiteral("删除"));
        QCOMPARE(m_messages->lastText(),
                 QStringLiteral("确定要删除此商品么？\n\n一旦删除，对应的库存资料也会删除  "));
        QCOMPARE(productCount(m_db->db()), 3);
        QCOMPARE(list.panelText(1), QStringLiteral("3"));
    }

    // --- the query dialog ---------------------------------------------------------------

    void queryLinesInOrder_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("stockLine");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("全部") << "全部" << QString() << QStringList{"薯片", "饼干"};
        QTest::newRow("库存＞0") << "库存＞0" << "and kcsl>0" << QStringList{"饼干"};
        QTest::newRow("库存＝0") << "库存＝0" << "and kcsl=0" << QStringList{};
        QTest::newRow("库存＜0") << "库存＜0" << "and kcsl<0" << QStringList{"薯片"};
    }
    void queryLinesInOrder() {
        QFETCH(QString, choice);
        QFETCH(QString, stockLine);
        QFETCH(QStringList, names);
        addProducts(m_db->db());
        TFsp1 list(m_db->dm());
        list.show();
        bool ran = false;
        DialogRunner::Scope runner([&](QDialog& d) {
            ran = true;
            if (d.objectName() != QStringLiteral("TFcxsp1") || d.windowTitle() != QStringLiteral("按条件查询"))
                return int(QDialog::Rejected);
            box(&d, "Edit1")->setText(QStringLiteral("70"));
            box(&d, "Edit3")->setText(QStringLiteral("零"));
            box<QComboBox>(&d, "ComboBox1")->setCurrentText(choice);
            static_cast<QueryDialog&>(d).runQuery();
            return d.result();
        });
        list.runCommand(QStringLiteral("查询"));
        QVERIFY(ran);
        QStringList lines = {QStringLiteral("SELECT * FROM sp"), QStringLiteral("where txm like ?"),
                             QStringLiteral("and ppgg like ?"), QStringLiteral("and lb like ?")};
        if (!stockLine.isEmpty())
            lines << stockLine;
        lines << QStringLiteral("order by id");
        Dataset& sp = *m_db->dm().AQsp1;
        QCOMPARE(sp.sql().lines(), lines);
        QCOMPARE(sp.sql().binds(), (QVariantList{QStringLiteral("%70%"), QStringLiteral("%%"),
                                                 QStringLiteral("%零%")}));
        QCOMPARE(column(sp, QStringLiteral("ppgg")), names);
        QCOMPARE(list.panelText(1), QString::number(names.size()));
    }

    void queryDialogKeys() {
        addProducts(m_db->db());
        TFsp1 list(m_db->dm());
        list.show();
        TFcxsp1 dlg(list);
        QCOMPARE(dlg.mode(), QStringLiteral("sp"));
        QCOMPARE(box<QComboBox>(&dlg, "ComboBox1")->currentText(), QStringLiteral("全部"));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit1"));
        for (const char* next : {"Edit2", "Edit3", "ComboBox1"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
        box<QComboBox>(&dlg, "ComboBox1")->setCurrentText(QStringLiteral("库存＞0"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Enter in the choice: 查询
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(list.panelText(1), QStringLiteral("2"));
    }

    // Mode "kc" writes the stock totals of the conditions into panels 2 and 4 of the stock
    // window; the value total is blank unless the operator may see stock prices.
    void stockModeTotalsAndPriceBlanking() {
        addProducts(m_db->db());
        ListDefinition d;
        d.objectName = QStringLiteral("TFkcfx1");
        d.title = QStringLiteral("库存明细表");
        d.dataset = m_db->dm().AQkcfx1;
        d.selectLine = QStringLiteral("SELECT * FROM sp");
        d.totals = {{QStringLiteral("kcsl"), QStringLiteral("数量")},
                    {QStringLiteral("kcje"), QStringLiteral("金额")}};
        RecordListWindow stock(d);

        auto query = [&](const QString& choice) {
            TFcxsp1 dlg(stock, TFcxsp1::stockMode());
            box<QComboBox>(&dlg, "ComboBox1")->setCurrentText(choice);
            dlg.runQuery();
            return dlg.result() == QDialog::Accepted;
        };
        QVERIFY(query(QStringLiteral("库存＞0")));
        QCOMPARE(stock.panelText(2), QStringLiteral("8"));
        QCOMPARE(stock.panelText(4), QStringLiteral("18.75"));
        Dataset& kc = *m_db->dm().AQkcfx1;
        QCOMPARE(kc.sql().lines().last(2),
                 (QStringList{QStringLiteral("and kcsl>0"), QStringLiteral("order by id")}));
        QCOMPARE(kc.count(), 2);

        // A main window whose operator has not (yet) the stock-price setting: value blanked.
        TFmain1 main(m_db->dm());
        QCOMPARE(TFcxsp1::stockPriceSetting(), QStringLiteral("不显价格"));
        QVERIFY(query(QStringLiteral("全部")));
        QCOMPARE(stock.panelText(2), QStringLiteral("6"));
        QCOMPARE(stock.panelText(4), QString());

        // The same setting leaves the product list's stock columns and the query's count alone.
        TFsp1 list(m_db->dm());
        list.show();
        const QList<GridColumn> columns = list.grid()->gridColumns();
        for (const char* f : {"kcsl", "kcjg", "kcje"}) {
            const auto it = std::find_if(columns.begin(), columns.end(), [&](const GridColumn& c) {
                return c.field == QLatin1String(f);
            });
            QVERIFY(it != columns.end() && it->visible);
        }
        TFcxsp1 products(list);
        products.runQuery();
        QCOMPARE(list.panelText(1), QStringLiteral("4"));
    }

    // The menu item opens the list; the pickers' 新增 opens the entry dialog in mode 新增.
    void menuItemAndPickersAddOpenTheProductWindows() {
        TFmain1 main(m_db->dm());
        main.openWindow(QStringLiteral("N201"));
        QMdiSubWindow* sub = main.findChildWindow(TFsp1::staticMetaObject);
        QVERIFY(sub);
        QCOMPARE(sub->widget()->windowTitle(), QStringLiteral("商品资料"));

        const NewRecordDialogs::Opener open = NewRecordDialogs::find(QStringLiteral("sp"));
        QVERIFY(open);
        QString shown;
        DialogRunner::Scope runner([&](QDialog& d) {
            shown = d.objectName() + u' ' + d.windowTitle();
            return int(QDialog::Rejected);
        });
        open(m_db->dm(), &main);
        QCOMPARE(shown, QStringLiteral("TFtjsp1 新增商品资料"));
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

QTEST_MAIN(tst_Products)
#include "tst_products.moc"

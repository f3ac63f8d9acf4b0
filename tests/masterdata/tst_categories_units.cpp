#include "data/DM1.h"
#include "data/ui/DatasetView.h"
#include "data/ui/DialogRunner.h"
#include "masterdata/ValueLists.h"
#include "masterdata/ui/TFdw1.h"
#include "masterdata/ui/TFlb1.h"
#include "masterdata/ui/TFtjdw1.h"
#include "masterdata/ui/TFtjlb1.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QStringList values(Database& db, const ValueList& list) {
    QStringList out;
    for (const QVariantList& row :
         db.rows(QStringLiteral("select %1 from %2 order by id").arg(list.field, list.table)))
        out << row.value(0).toString();
    return out;
}

// A stand-in for an entry dialog that opens the unit list: its form name and the unit boxes of
// both callers.
struct Caller {
    explicit Caller(const QString& form) {
        widget.setObjectName(form);
        for (const char* name : {"Edit1", "Edit3", "Edit4"}) {
            auto* e = new QLineEdit(&widget);
            e->setObjectName(QString::fromLatin1(name));
        }
    }
    QString box(const char* name) const {
        return widget.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    QWidget widget;
};

} // namespace

class tst_CategoriesUnits : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_messages = std::make_unique<MessageRecorder>();
        // Start from empty lists (a new database has default categories and units).
        m_db->db().exec(QStringLiteral("delete from lb"));
        m_db->db().exec(QStringLiteral("delete from dw"));
    }
    void cleanup() {
        m_messages.reset();
        m_db.reset();
    }

    void addAndRename_data() {
        QTest::addColumn<bool>("units");
        QTest::newRow("categories") << false;
        QTest::newRow("units") << true;
    }
    void addAndRename() {
        QFETCH(bool, units);
        const ValueList& list = units ? ValueList::units() : ValueList::categories();
        Dataset& ds = units ? *m_db->dm().AQdw1 : *m_db->dm().AQlb1;
        using R = ValueList::Result;
        QCOMPARE(list.add(ds, QStringLiteral(" 甲 ")), R::Saved);
        QCOMPARE(list.add(ds, QStringLiteral("乙")), R::Saved);
        QCOMPARE(list.add(ds, QStringLiteral("丙")), R::Saved);
        QCOMPARE(list.add(ds, QStringLiteral("甲  ")), R::Duplicate);
        QCOMPARE(list.add(ds, QStringLiteral("   ")), R::Empty);
        QCOMPARE(list.add(ds, QStringLiteral("甲'")), R::Saved); // a quote is just a character
        QCOMPARE(values(m_db->db(), list),
                 (QStringList{QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙"),
                              QStringLiteral("甲'")}));
        QCOMPARE(list.message(R::Duplicate),
                 units ? QStringLiteral("单位不可重复！") : QStringLiteral("类别不可重复！"));
        QCOMPARE(list.message(R::Empty),
                 units ? QStringLiteral("单位不可为空！") : QStringLiteral("类别不可为空！"));

        // Renaming to another value's name is accepted; an empty name is not.
        ds.setCurrentRow(ds.find(list.field, QStringLiteral("乙")));
        QCOMPARE(list.rename(ds, QStringLiteral(" 甲")), R::Saved);
        QCOMPARE(list.rename(ds, QString()), R::Empty);
        QCOMPARE(values(m_db->db(), list).mid(0, 2), (QStringList{QStringLiteral("甲"), QStringLiteral("甲")}));
    }

    // The category dialog stays open for the next value: three in a row, the fourth equal to the
    // first is refused with the focus back in the box.
    void categoryDialogOneAfterAnother() {
        TFlb1 list(m_db->dm(), nullptr);
        list.showRows();
        TFtjlb1 dlg(m_db->dm(), &list);
        dlg.setMode(QStringLiteral("新增"));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("新增商品类别"));
        QLineEdit* box = dlg.box();
        for (const char* v : {"饮料", "零食", "日用", "饮料"}) {
            box->setText(QString::fromUtf8(v));
            QTest::keyClick(box, Qt::Key_Return); // Enter in the box saves
        }
        QVERIFY(dlg.isVisible());
        QCOMPARE(m_db->dm().AQlb1->count(), 3);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("类别不可重复！")});
        QCOMPARE(m_messages->boxes[0].caption, QStringLiteral("警告"));
        QCOMPARE(box->text(), QStringLiteral("饮料"));
        QCOMPARE(QApplication::focusWidget(), box);

        box->setText(QStringLiteral("  "));
        dlg.save();
        QCOMPARE(m_messages->lastText(), QStringLiteral("类别不可为空！"));
        QCOMPARE(m_messages->boxes.last().caption, QStringLiteral("提示"));
        QCOMPARE(m_messages->boxes.last().icon, Messages::Icon::Information);
    }

    void unitChoiceGoesToTheCallersBox_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("productBox");
        QTest::addColumn<QString>("giftBox");
        QTest::newRow("product dialog") << "tjsp" << "TFtjsp1" << "箱" << "";
        QTest::newRow("gift dialog") << "tjzp" << "TFtjzp1" << "" << "箱";
        QTest::newRow("unknown caller") << "xx" << "TFtjsp1" << "" << "";
    }
    void unitChoiceGoesToTheCallersBox() {
        QFETCH(QString, code);
        QFETCH(QString, form);
        QFETCH(QString, productBox);
        QFETCH(QString, giftBox);
        m_db->db().exec(QStringLiteral("insert into dw (dw) values('瓶'),('箱')"));
        Caller caller(form);
        TFdw1 list(m_db->dm(), code, &caller.widget);
        list.showRows();
        list.dataset().setCurrentRow(1);
        QVERIFY(list.choose());
        QCOMPARE(list.result(), int(QDialog::Accepted));
        QCOMPARE(caller.box("Edit4"), productBox);
        QCOMPARE(caller.box("Edit3"), giftBox);
    }

    void emptyListsWarn_data() {
        QTest::addColumn<bool>("units");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("categories") << false
                                    << QStringList{"没有类别可选择！", "没有类别可修改！", "没有类别可删除！"};
        QTest::newRow("units") << true
                               << QStringList{"没有单位可选择！", "没有单位可修改！", "没有单位可删除！"};
    }
    void emptyListsWarn() {
        QFETCH(bool, units);
        QFETCH(QStringList, messages);
        Caller caller(QStringLiteral("TFtjsp1"));
        std::unique_ptr<ValueListDialog> list;
        if (units)
            list = std::make_unique<TFdw1>(m_db->dm(), QStringLiteral("tjsp"), &caller.widget);
        else
            list = std::make_unique<TFlb1>(m_db->dm(), &caller.widget);
        DialogRunner::Scope noDialog([](QDialog&) -> int { qFatal("no entry dialog expected"); });
        list->showRows();
        QVERIFY(!list->choose());
        QVERIFY(list->runPopup(QStringLiteral("修改")));
        list->deleteButton()->click();
        QCOMPARE(m_messages->texts(), messages);
        for (const Messages::Box& b : m_messages->boxes)
            QCOMPARE(b.caption, QStringLiteral("警告"));
        QCOMPARE(list->result(), int(QDialog::Rejected)); // still open
    }

    void deleteAsksFirst() {
        m_db->db().exec(QStringLiteral("insert into dw (dw) values('瓶'),('箱')"));
        TFdw1 list(m_db->dm(), QStringLiteral("tjsp"), nullptr);
        list.showRows();
        m_messages->answers << Messages::Answer::Cancel << Messages::Answer::Ok;
        list.runPopup(QStringLiteral("删除"));
        QCOMPARE(values(m_db->db(), ValueList::units()).size(), 2);
        list.deleteButton()->click();
        QCOMPARE(m_messages->texts(), (QStringList{QStringLiteral("确定要删除此单位么？"),
                                                   QStringLiteral("确定要删除此单位么？")}));
        QCOMPARE(m_messages->boxes[0].icon, Messages::Icon::Question);
        QCOMPARE(m_messages->boxes[0].buttons, Messages::Buttons::OkCancel);
        QCOMPARE(values(m_db->db(), ValueList::units()), QStringList{QStringLiteral("箱")});
    }

    void modifyFromThePopupRenamesTheCurrentRow() {
        m_db->db().exec(QStringLiteral("insert into lb (lb) values('饮料'),('零食')"));
        TFlb1 list(m_db->dm(), nullptr);
        list.showRows();
        list.dataset().setCurrentRow(1);
        QString title, shown;
        DialogRunner::Scope runner([&](QDialog& d) {
            auto& dlg = static_cast<TFtjlb1&>(d);
            title = dlg.windowTitle();
            shown = dlg.box()->text();
            dlg.box()->setText(QStringLiteral(" 饮料 ")); // the name of the other one
            dlg.save();
            return dlg.result();
        });
        list.runPopup(QStringLiteral("修改"));
        QCOMPARE(title, QStringLiteral("修改商品类别"));
        QCOMPARE(shown, QStringLiteral("零食"));
        QVERIFY(m_messages->boxes.isEmpty());
        QCOMPARE(values(m_db->db(), ValueList::categories()),
                 (QStringList{QStringLiteral("饮料"), QStringLiteral("饮料")}));
    }

    void addFromTheListThenChoose() {
        Caller caller(QStringLiteral("TFtjsp1"));
        TFdw1 list(m_db->dm(), QStringLiteral("tjsp"), &caller.widget);
        list.showRows();
        DialogRunner::Scope runner([&](QDialog& d) {
            auto& dlg = static_cast<TFtjdw1&>(d);
            if (dlg.windowTitle() != QStringLiteral("新增计量单位"))
                return int(QDialog::Rejected);
            dlg.box()->setText(QStringLiteral("千克"));
            dlg.save();
            return int(QDialog::Rejected); // 关闭
        });
        list.addButton()->click();
        QCOMPARE(list.dataset().count(), 1);
        QVERIFY(list.choose());
        QCOMPARE(caller.box("Edit4"), QStringLiteral("千克"));
    }

    void onlyTheCategoryTitlesSort() {
        m_db->db().exec(QStringLiteral("insert into lb (lb) values('b'),('a')"));
        m_db->db().exec(QStringLiteral("insert into dw (dw) values('b'),('a')"));
        TFlb1 categories(m_db->dm(), nullptr);
        TFdw1 units(m_db->dm(), QStringLiteral("tjsp"), nullptr);
        for (ValueListDialog* list : {static_cast<ValueListDialog*>(&categories),
                                      static_cast<ValueListDialog*>(&units)}) {
            list->showRows();
            list->grid()->clickTitle(list->dataset().fieldIndex(list == &units ? "dw" : "lb"));
        }
        QCOMPARE(categories.dataset().sortOrder(), QStringLiteral("lb ASC"));
        QCOMPARE(categories.dataset().text(0, categories.dataset().fieldIndex("lb")), QStringLiteral("a"));
        QCOMPARE(units.dataset().sortOrder(), QString());
        QCOMPARE(units.dataset().text(0, units.dataset().fieldIndex("dw")), QStringLiteral("b"));
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

QTEST_MAIN(tst_CategoriesUnits)
#include "tst_categories_units.moc"

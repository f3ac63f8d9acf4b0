#include "admin/Operators.h"
#include "admin/ui/TFquanxian1.h"
#include "admin/ui/TFtjyh1.h"
#include "admin/ui/TFyhsz1.h"
#include "core/PasswordHash.h"
#include "data/DM1.h"
#include "data/Schema.h"
#include "data/ui/DatasetView.h"
#include "data/ui/DialogRunner.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTest>

namespace {

const QString Admin = QStringLiteral("系统管理员");
const QString Clerk = QStringLiteral("张三");

template <typename T> T* child(QWidget& w, const QString& name) {
    T* c = w.findChild<T*>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

QStringList rowsOf(Database& db, const QString& name) {
    QStringList l;
    for (const QVariantList& r :
         db.rows(QStringLiteral("select qx from quanxian where yh=? order by id"), {name}))
        l << r.value(0).toString();
    return l;
}

} // namespace

class TestOperators : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    // The service
    void add_data();
    void add();
    void storedPasswordIsAHash();
    void quoteInNameIsPlainText();
    void removeTakesPermissionsAlong();
    void removeRefusesAdministrator();
    void removeFailureWritesNothing();
    void grantReplacesRowsInDialogOrder();
    void grantRefusals();
    void grantFailureWritesNothing();

    // The windows
    void newOperatorDialog_data();
    void newOperatorDialog();
    void newOperatorDialogStaysOpenAndShowsTheRow();
    void modifyOperatorDialog();
    void listShowsAMaskNotTheHash();
    void listCommandsWithoutOperators();
    void listDelete_data();
    void listDelete();
    void listOpensTheDialogsInTheirModes();
    void permissionsDialog();
    void permissionsDialogRefusals();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestOperators::init() {
    m_db = std::make_unique<TestDatabase>();
    m_messages = std::make_unique<MessageRecorder>();
}

void TestOperators::cleanup() {
    m_messages.reset();
    m_db.reset();
}

void TestOperators::add_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<Operators::AddResult>("result");
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<QString>("loginPassword");
    using R = Operators::AddResult;
    QTest::newRow("plain") << "李四" << "pw" << "pw" << R::Added << "李四" << "pw";
    QTest::newRow("empty password") << "李四" << "" << "" << R::Added << "李四" << "";
    QTest::newRow("name trimmed") << " 李四 " << "pw" << "pw" << R::Added << "李四" << "pw";
    QTest::newRow("confirmation with trailing blank")
        << "李四" << "pw" << "pw " << R::Added << "李四" << "pw";
    QTest::newRow("password trimmed") << "李四" << " pw " << "pw" << R::Added << "李四" << "pw";
    QTest::newRow("blank name") << "  " << "pw" << "pw" << R::EmptyName << "" << "";
    // An empty name wins over differing passwords.
    QTest::newRow("empty name first") << "" << "a" << "b" << R::EmptyName << "" << "";
    QTest::newRow("passwords differ") << "李四" << "pw" << "PW" << R::PasswordsDiffer << "" << "";
    // Differing passwords win over a taken name.
    QTest::newRow("differ before duplicate")
        << Admin << "a" << "b" << R::PasswordsDiffer << "" << "";
    QTest::newRow("duplicate") << Admin << "" << "" << R::DuplicateName << "" << "";
    QTest::newRow("duplicate after trim") << Admin + " " << "" << "" << R::DuplicateName << ""
                                          << "";
}

void TestOperators::add() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(Operators::AddResult, result);
    QFETCH(QString, storedName);
    QFETCH(QString, loginPassword);
    Database& db = m_db->db();
    QCOMPARE(Operators::add(db, name, password, confirmation), result);
    const QStringList expected =
        storedName.isEmpty() ? QStringList{Admin} : QStringList{Admin, storedName};
    QCOMPARE(Operators::names(db), expected);
    if (storedName.isEmpty())
        return;
    Dataset& ds = *m_db->dm().AQyhsz1;
    QCOMPARE(Operators::logIn(ds, storedName, loginPassword), Operators::Check::Ok);
    QCOMPARE(Operators::logIn(ds, storedName, loginPassword + u' '),
             Operators::Check::WrongPassword);
    // A new operator holds no permission.
    QCOMPARE(Operators::permissions(db, storedName), QStringList());
}

void TestOperators::storedPasswordIsAHash() {
    Operators::add(m_db->db(), Clerk, QStringLiteral("secret"), QStringLiteral("secret"));
    const auto rows = m_db->db().rows(QStringLiteral("select yhmc,yhmm from yhsz order by id"));
    QCOMPARE(rows.size(), 2);
    for (const QVariantList& r : rows) {
        QVERIFY2(PasswordHash::isHash(r.value(1).toString()), qPrintable(r.value(0).toString()));
        QVERIFY(!r.value(1).toString().contains(QStringLiteral("secret")));
    }
}

void TestOperators::quoteInNameIsPlainText() {
    Database& db = m_db->db();
    const QString name = QStringLiteral("O'Brien\" or '1'='1");
    QCOMPARE(Operators::add(db, name, QStringLiteral("x"), QStringLiteral("x")),
             Operators::AddResult::Added);
    QCOMPARE(Operators::add(db, name, QString(), QString()), Operators::AddResult::DuplicateName);
    QCOMPARE(Operators::logIn(*m_db->dm().AQyhsz1, name, QStringLiteral("x")),
             Operators::Check::Ok);
    QCOMPARE(Operators::grant(db, name, {QStringLiteral("基本资料")}),
             Operators::GrantResult::Granted);
    QCOMPARE(Operators::permissions(db, name), QStringList{QStringLiteral("基本资料")});
    Operators::remove(db, name);
    QCOMPARE(Operators::names(db), QStringList{Admin});
    QCOMPARE(rowsOf(db, Admin).size(), 9);
}

void TestOperators::removeTakesPermissionsAlong() {
    Database& db = m_db->db();
    Operators::add(db, Clerk, QString(), QString());
    Operators::grant(db, Clerk, Schema::permissionNames());
    QCOMPARE(Operators::remove(db, Clerk), Operators::RemoveResult::Removed);
    QVERIFY(!Operators::exists(db, Clerk));
    QCOMPARE(rowsOf(db, Clerk), QStringList());
    QCOMPARE(rowsOf(db, Admin), Schema::permissionNames());
}

void TestOperators::removeRefusesAdministrator() {
    Database& db = m_db->db();
    QCOMPARE(Operators::remove(db, Admin), Operators::RemoveResult::Protected);
    QVERIFY(Operators::exists(db, Admin));
    QCOMPARE(rowsOf(db, Admin), Schema::permissionNames());
}

void TestOperators::removeFailureWritesNothing() {
    Database& db = m_db->db();
    Operators::add(db, Clerk, QString(), QString());
    Operators::grant(db, Clerk, {QStringLiteral("销售管理")});
    // The operator row cannot go: its permission rows, deleted first, must come back.
    db.exec(QStringLiteral("create trigger keep before delete on yhsz "
                           "begin select raise(abort,'cannot delete'); end"));
    QVERIFY_THROWS_EXCEPTION(DbError, Operators::remove(db, Clerk));
    QVERIFY(Operators::exists(db, Clerk));
    QCOMPARE(rowsOf(db, Clerk), QStringList{QStringLiteral("销售管理")});
}

void TestOperators::grantReplacesRowsInDialogOrder() {
    Database& db = m_db->db();
    Operators::add(db, Clerk, QString(), QString());
    Operators::grant(db, Clerk, {QStringLiteral("采购管理"), QStringLiteral("会员管理")});
    // Given out of order, written in the dialog's order; earlier rows are gone.
    QCOMPARE(Operators::grant(db, Clerk + u' ',
                              {QStringLiteral("显示库存价格"), QStringLiteral("系统设置"),
                               QStringLiteral("财务管理")}),
             Operators::GrantResult::Granted);
    const QStringList expected{QStringLiteral("系统设置"), QStringLiteral("财务管理"),
                               QStringLiteral("显示库存价格")};
    QCOMPARE(rowsOf(db, Clerk), expected);
    QCOMPARE(Operators::permissions(db, Clerk), expected);
    QCOMPARE(Operators::grant(db, Clerk, {}), Operators::GrantResult::Granted);
    QCOMPARE(rowsOf(db, Clerk), QStringList());
    QCOMPARE(rowsOf(db, Admin), Schema::permissionNames());
}

void TestOperators::grantRefusals() {
    Database& db = m_db->db();
    QCOMPARE(Operators::grant(db, Admin, {}), Operators::GrantResult::Protected);
    QCOMPARE(Operators::grant(db, QStringLiteral("  "), {}), Operators::GrantResult::NoOperator);
    QCOMPARE(rowsOf(db, Admin), Schema::permissionNames());
    Operators::add(db, Clerk, QString(), QString());
    Operators::grant(db, Clerk, {QStringLiteral("基本资料")});
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             Operators::grant(db, Clerk, {QStringLiteral("超级权限")}));
    QCOMPARE(rowsOf(db, Clerk), QStringList{QStringLiteral("基本资料")});
}

void TestOperators::grantFailureWritesNothing() {
    Database& db = m_db->db();
    Operators::add(db, Clerk, QString(), QString());
    Operators::grant(db, Clerk, {QStringLiteral("基本资料"), QStringLiteral("会员管理")});
    // The third row of the new set fails, after the old rows were deleted and two were written.
    db.exec(QStringLiteral("create trigger refuse before insert on quanxian when new.qx='财务管理' "
                           "begin select raise(abort,'refused'); end"));
    QVERIFY_THROWS_EXCEPTION(DbError, Operators::grant(db, Clerk,
                                                       {QStringLiteral("系统设置"),
                                                        QStringLiteral("销售管理"),
                                                        QStringLiteral("财务管理")}));
    QCOMPARE(rowsOf(db, Clerk), (QStringList{QStringLiteral("基本资料"), QStringLiteral("会员管理")}));
}

void TestOperators::newOperatorDialog_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("focus");
    QTest::newRow("empty name") << " " << "" << "" << "用户名称不可为空！" << "提示" << "Edit1";
    QTest::newRow("passwords differ") << "李四" << "a" << "b" << "密码前后不一致！" << "提示"
                                      << "Edit3";
    QTest::newRow("duplicate") << Admin << "" << "" << "用户名称不可重复！" << "警告" << "Edit1";
}

void TestOperators::newOperatorDialog() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(QString, message);
    QFETCH(QString, caption);
    QFETCH(QString, focus);
    TFtjyh1 dlg(m_db->dm());
    dlg.setMode(TFtjyh1::addMode());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    child<QLineEdit>(dlg, "Edit1")->setText(name);
    child<QLineEdit>(dlg, "Edit2")->setText(password);
    child<QLineEdit>(dlg, "Edit3")->setText(confirmation);
    QTest::keyClick(child<QLineEdit>(dlg, "Edit3"), Qt::Key_Return); // saves
    QCOMPARE(m_messages->texts(), QStringList{message});
    QCOMPARE(m_messages->boxes[0].caption, caption);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(dlg.isVisible());
    QCOMPARE(Operators::names(m_db->db()), QStringList{Admin});
}

void TestOperators::newOperatorDialogStaysOpenAndShowsTheRow() {
    Dataset& ds = *m_db->dm().AQyhsz1;
    ds.open(SqlText(QStringLiteral("SELECT * FROM yhsz")));
    TFtjyh1 dlg(m_db->dm());
    dlg.setMode(TFtjyh1::addMode());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(dlg.windowTitle(), TFtjyh1::addMode());
    QCOMPARE(child<QLabel>(dlg, "ST3")->text(), QStringLiteral("用户密码"));
    QCOMPARE(child<QLabel>(dlg, "ST4")->text(), QStringLiteral("密码确认"));
    auto* name = child<QLineEdit>(dlg, "Edit1");
    QCOMPARE(QApplication::focusWidget(), name);
    // Enter moves from the name to the first password and on to the second.
    name->setText(QStringLiteral(" 李四 "));
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit2"));
    QTest::keyClicks(QApplication::focusWidget(), "pw");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit3"));
    QTest::keyClicks(QApplication::focusWidget(), "pw ");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(m_messages->boxes.isEmpty());
    QVERIFY(dlg.isVisible());
    for (const char* e : {"Edit1", "Edit2", "Edit3"})
        QCOMPARE(child<QLineEdit>(dlg, e)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), name);
    QCOMPARE(ds.count(), 2);
    QCOMPARE(ds.text(QStringLiteral("yhmc")), QStringLiteral("李四"));
    // Esc closes.
    QTest::keyClick(name, Qt::Key_Escape);
    QVERIFY(!dlg.isVisible());
}

void TestOperators::modifyOperatorDialog() {
    Database& db = m_db->db();
    Operators::add(db, Clerk, QStringLiteral("old"), QStringLiteral("old "));
    Dataset& ds = *m_db->dm().AQyhsz1;
    ds.open(SqlText(QStringLiteral("SELECT * FROM yhsz")));
    ds.setCurrentRow(ds.find(QStringLiteral("yhmc"), Clerk));

    TFtjyh1 dlg(m_db->dm());
    dlg.setMode(TFtjyh1::modifyMode(), Clerk);
    dlg.show();
    QCOMPARE(child<QLabel>(dlg, "ST3")->text(), QStringLiteral("原设密码"));
    QCOMPARE(child<QLabel>(dlg, "ST4")->text(), QStringLiteral("新设密码"));
    QVERIFY(child<QLineEdit>(dlg, "Edit1")->isReadOnly());
    child<QLineEdit>(dlg, "Edit2")->setText(QStringLiteral("old ")); // stored trimmed
    child<QLineEdit>(dlg, "Edit3")->setText(QStringLiteral("new"));
    child<QPushButton>(dlg, "BitBtn1")->click();
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("原密码录入错误！")});
    QVERIFY(dlg.isVisible());

    child<QLineEdit>(dlg, "Edit2")->setText(QStringLiteral("old"));
    child<QPushButton>(dlg, "BitBtn1")->click();
    QCOMPARE(m_messages->lastText(), QStringLiteral("修改成功！"));
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(Operators::checkPassword(ds, Clerk, QStringLiteral("new")), Operators::Check::Ok);

    // The administrator's password can be changed this way too.
    ds.open(SqlText(QStringLiteral("SELECT * FROM yhsz")));
    TFtjyh1 admin(m_db->dm());
    admin.setMode(TFtjyh1::modifyMode(), Admin);
    admin.show();
    child<QLineEdit>(admin, "Edit3")->setText(QStringLiteral("boss"));
    child<QPushButton>(admin, "BitBtn1")->click();
    QCOMPARE(m_messages->lastText(), QStringLiteral("修改成功！"));
    QCOMPARE(Operators::checkPassword(ds, Admin, QStringLiteral("boss")), Operators::Check::Ok);
}

void TestOperators::listShowsAMaskNotTheHash() {
    Operators::add(m_db->db(), Clerk, QStringLiteral("secret"), QStringLiteral("secret"));
    TFyhsz1 list(m_db->dm());
    list.show();
    QCOMPARE(list.windowTitle(), QStringLiteral("操作员设置"));
    auto* grid = child<DatasetView>(list, "DBGrid1");
    Dataset& ds = *m_db->dm().AQyhsz1;
    QCOMPARE(ds.count(), 2);
    const int name = ds.fieldIndex(QStringLiteral("yhmc"));
    const int password = ds.fieldIndex(QStringLiteral("yhmm"));
    QVERIFY(grid->isColumnHidden(ds.fieldIndex(QStringLiteral("id"))));
    QVERIFY(!grid->isColumnHidden(name));
    QVERIFY(!grid->isColumnHidden(password));
    QCOMPARE(ds.headerData(name, Qt::Horizontal).toString(), QStringLiteral("用户名称"));
    QCOMPARE(ds.headerData(password, Qt::Horizontal).toString(), QStringLiteral("用户密码"));
    for (int r = 0; r < ds.count(); ++r) {
        const QModelIndex cell = ds.index(r, password);
        QAbstractItemDelegate* d = grid->itemDelegateForIndex(cell);
        auto* styled = qobject_cast<QStyledItemDelegate*>(d);
        QVERIFY(styled);
        QCOMPARE(styled->displayText(cell.data(), QLocale()), TFyhsz1::passwordMask());
    }
    // Reopened by someone else: still masked.
    ds.open(SqlText(QStringLiteral("select yhmm,yhmc from yhsz")));
    const QModelIndex cell = ds.index(0, ds.fieldIndex(QStringLiteral("yhmm")));
    QCOMPARE(qobject_cast<QStyledItemDelegate*>(grid->itemDelegateForIndex(cell))
                 ->displayText(cell.data(), QLocale()),
             TFyhsz1::passwordMask());
}

void TestOperators::listCommandsWithoutOperators() {
    int dialogs = 0;
    DialogRunner::Scope runner([&](QDialog&) { return ++dialogs, int(QDialog::Rejected); });
    TFyhsz1 list(m_db->dm());
    list.show();
    m_db->dm().AQyhsz1->close();
    list.modifyOperator();
    list.deleteOperator();
    QCOMPARE(m_messages->texts(),
             (QStringList{QStringLiteral("没有操作员可修改！"), QStringLiteral("没有操作员可删除！")}));
    QCOMPARE(m_messages->boxes[0].caption, QStringLiteral("警告"));
    QCOMPARE(m_messages->boxes[1].icon, Messages::Icon::Warning);
    QCOMPARE(dialogs, 0);
}

void TestOperators::listDelete_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("gone");
    QTest::newRow("confirmed") << Clerk << true << QStringList{"确实要删除此操作员吗？"} << true;
    QTest::newRow("cancelled") << Clerk << false << QStringList{"确实要删除此操作员吗？"} << false;
    QTest::newRow("administrator") << Admin << true << QStringList{"不可删除“系统管理员”！"}
                                   << false;
}

void TestOperators::listDelete() {
    QFETCH(QString, name);
    QFETCH(bool, confirm);
    QFETCH(QStringList, messages);
    QFETCH(bool, gone);
    Database& db = m_db->db();
    Operators::add(db, Clerk, QString(), QString());
    Operators::grant(db, Clerk, {QStringLiteral("基本资料")});
    TFyhsz1 list(m_db->dm());
    list.show();
    Dataset& ds = *m_db->dm().AQyhsz1;
    ds.setCurrentRow(ds.find(QStringLiteral("yhmc"), name));
    m_messages->answers << (confirm ? Messages::Answer::Ok : Messages::Answer::Cancel);
    child<QPushButton>(list, "BitBtn3")->click();
    QCOMPARE(m_messages->texts(), messages);
    if (name != Admin) {
        QCOMPARE(m_messages->boxes[0].icon, Messages::Icon::Question);
        QCOMPARE(m_messages->boxes[0].buttons, Messages::Buttons::OkCancel);
    }
    QCOMPARE(Operators::exists(db, name), !gone);
    QCOMPARE(ds.find(QStringLiteral("yhmc"), name) < 0, gone);
    QCOMPARE(rowsOf(db, name).isEmpty(), gone);
}

void TestOperators::listOpensTheDialogsInTheirModes() {
    Operators::add(m_db->db(), Clerk, QString(), QString());
    TFyhsz1 list(m_db->dm());
    list.show();
    Dataset& ds = *m_db->dm().AQyhsz1;
    ds.setCurrentRow(ds.find(QStringLiteral("yhmc"), Clerk));
    QStringList seen;
    DialogRunner::Scope runner([&](QDialog& d) {
        if (auto* t = qobject_cast<TFtjyh1*>(&d))
            seen << t->mode() + u':' + child<QLineEdit>(d, "Edit1")->text() + u':' +
                        (child<QLineEdit>(d, "Edit1")->isReadOnly() ? "ro" : "rw");
        else
            seen << d.windowTitle();
        return int(QDialog::Rejected);
    });
    child<QPushButton>(list, "BitBtn1")->click();
    child<QPushButton>(list, "BitBtn2")->click();
    child<QPushButton>(list, "BitBtn4")->click();
    // A double-click on the grid runs 修改 as well.
    Q_EMIT child<DatasetView>(list, "DBGrid1")->rowChosen(ds.currentRow());
    QCOMPARE(seen, (QStringList{"新增操作员::rw", "修改操作员:" + Clerk + ":ro", "权限设置",
                                "修改操作员:" + Clerk + ":ro"}));
    // Esc closes the list.
    QTest::keyClick(child<DatasetView>(list, "DBGrid1"), Qt::Key_Escape);
    QVERIFY(!list.isVisible());
}

void TestOperators::permissionsDialog() {
    Database& db = m_db->db();
    Operators::add(db, Clerk, QString(), QString());
    Operators::grant(db, Clerk, {QStringLiteral("会员管理"), QStringLiteral("库存归零")});
    TFquanxian1 dlg(m_db->dm());
    dlg.show();
    QCOMPARE(dlg.windowTitle(), QStringLiteral("权限设置"));
    auto* combo = child<QComboBox>(dlg, "ComboBox1");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentIndex(), -1);
    QList<QCheckBox*> boxes;
    auto* layout = qobject_cast<QGridLayout*>(child<QCheckBox>(dlg, "CB1")->parentWidget()->layout());
    QVERIFY(layout);
    for (int i = 0; i < 9; ++i) {
        auto* box = child<QCheckBox>(dlg, QStringLiteral("CB%1").arg(i + 1));
        QCOMPARE(box->text(), Schema::permissionNames()[i]);
        QVERIFY(!box->isChecked());
        // Three columns of three, filled column by column.
        int row, column, rs, cs;
        layout->getItemPosition(layout->indexOf(box), &row, &column, &rs, &cs);
        QCOMPARE(row, i % 3);
        QCOMPARE(column, i / 3);
        boxes << box;
    }

    combo->setCurrentIndex(combo->findText(Clerk));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(boxes[i]->isChecked(), i == 2 || i == 7);
    combo->setCurrentIndex(combo->findText(Admin));
    for (QCheckBox* b : boxes)
        QVERIFY(b->isChecked());

    combo->setCurrentIndex(combo->findText(Clerk));
    child<QPushButton>(dlg, "BitBtn3")->click(); // 全否
    for (QCheckBox* b : boxes)
        QVERIFY(!b->isChecked());
    QCOMPARE(rowsOf(db, Clerk).size(), 2); // nothing stored yet
    child<QPushButton>(dlg, "BitBtn2")->click(); // 全选
    boxes[3]->setChecked(false);
    child<QPushButton>(dlg, "BitBtn1")->click(); // 授权
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("权限设置成功！")});
    QStringList expected = Schema::permissionNames();
    expected.removeAt(3);
    QCOMPARE(rowsOf(db, Clerk), expected);
    QVERIFY(dlg.isVisible());

    child<QPushButton>(dlg, "BitBtn3")->click();
    child<QPushButton>(dlg, "BitBtn1")->click();
    QCOMPARE(rowsOf(db, Clerk), QStringList());
    QTest::keyClick(combo, Qt::Key_Escape);
    QVERIFY(!dlg.isVisible());
}

void TestOperators::permissionsDialogRefusals() {
    TFquanxian1 dlg(m_db->dm());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    auto* combo = child<QComboBox>(dlg, "ComboBox1");
    child<QPushButton>(dlg, "BitBtn1")->click();
    combo->setCurrentIndex(combo->findText(Admin));
    child<QPushButton>(dlg, "BitBtn3")->click();
    child<QPushButton>(dlg, "BitBtn1")->click();
    QCOMPARE(m_messages->texts(),
             (QStringList{QStringLiteral("操作员不可为空！"), QStringLiteral("不可更改系统管理员权限！")}));
    QCOMPARE(m_messages->boxes[0].caption, QStringLiteral("提示"));
    QCOMPARE(m_messages->boxes[0].icon, Messages::Icon::Information);
    QCOMPARE(m_messages->boxes[1].caption, QStringLiteral("警告"));
    QCOMPARE(m_messages->boxes[1].icon, Messages::Icon::Warning);
    QCOMPARE(QApplication::focusWidget(), combo);
    QCOMPARE(rowsOf(m_db->db(), Admin), Schema::permissionNames());
}

QTEST_MAIN(TestOperators)
#include "tst_operators.moc"

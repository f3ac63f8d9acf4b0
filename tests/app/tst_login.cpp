#include "admin/Operators.h"
#include "admin/ui/TFtjyh1.h"
#include "app/TFdl1.h"
#include "app/TFlikai1.h"
#include "data/DM1.h"
#include "data/ui/DialogRunner.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString Admin = QStringLiteral("系统管理员");
const QString Clerk = QStringLiteral("张三");

template <typename T> T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    if (!c) qFatal("no control %s", name);
    return c;
}

void choose(TFdl1& dlg, const QString& name) {
    auto* combo = child<QComboBox>(dlg, "ComboBox1");
    combo->setCurrentIndex(combo->findText(name));
}

// Chooses the operator, types the password and presses 确定.
void logIn(TFdl1& dlg, const QString& name, const QString& password) {
    choose(dlg, name);
    child<QLineEdit>(dlg, "Edit1")->setText(password);
    child<QPushButton>(dlg, "SpeedButton1")->click();
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void listHoldsEveryOperatorNothingChosen();
    void unreadableListEndsTheProgram();
    void refusals_data();
    void refusals();
    void successLeavesTheOperatorInTheSharedDataset();
    void defaultAdministratorHasAnEmptyPassword();
    void keyboard();
    void closeRequestsAreSwallowed();

    void changedPasswordIsTheOneThatWorks();
    void changeToEmptyPassword();
    void changeRefusesWrongOldPassword();
    void changeMyPasswordFromTheMenu();

    void unlock_data();
    void unlock();
    void lockCannotBeClosedWithoutPassword();
    void lockCancelEndsTheProgram();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestLogin::init() {
    m_db = std::make_unique<TestDatabase>();
    m_messages = std::make_unique<MessageRecorder>();
    QCOMPARE(Operators::add(m_db->db(), Clerk, QStringLiteral("Abc"), QStringLiteral("Abc")),
             Operators::AddResult::Added);
}

void TestLogin::cleanup() {
    TFlikai1::setEndProgramHook({});
    m_messages.reset();
    m_db.reset();
}

void TestLogin::listHoldsEveryOperatorNothingChosen() {
    TFdl1 dlg(m_db->dm());
    child<QLineEdit>(dlg, "Edit1")->setText(QStringLiteral("left over"));
    dlg.show();
    auto* combo = child<QComboBox>(dlg, "ComboBox1");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), Admin);
    QCOMPARE(combo->itemText(1), Clerk);
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(!combo->isEditable());
    QCOMPARE(child<QLineEdit>(dlg, "Edit1")->text(), QString());
    QCOMPARE(child<QLineEdit>(dlg, "Edit1")->echoMode(), QLineEdit::Password);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("登录系统"));
    QVERIFY(!(dlg.windowFlags() & Qt::WindowCloseButtonHint));
}

void TestLogin::unreadableListEndsTheProgram() {
    m_db->db().exec(QStringLiteral("drop table yhsz"));
    TFdl1 dlg(m_db->dm());
    dlg.show();
    QCOMPARE(m_messages->texts(),
             QStringList{QStringLiteral("数据库文件丢失，软件无法运行，请重新复制本软件！")});
    QCOMPARE(m_messages->boxes[0].caption, QStringLiteral("错误"));
    QCOMPARE(m_messages->boxes[0].icon, Messages::Icon::Error);
    QTRY_VERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
}

void TestLogin::refusals_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("deleteFirst");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing chosen") << QString() << QString() << false << "请选择用户名称！";
    QTest::newRow("wrong password") << Clerk << "xyz" << false << "用户密码不正确！";
    QTest::newRow("differs by case") << Clerk << "abc" << false << "用户密码不正确！";
    QTest::newRow("trailing blank") << Clerk << "Abc " << false << "用户密码不正确！";
    QTest::newRow("leading blank") << Clerk << " Abc" << false << "用户密码不正确！";
    QTest::newRow("admin needs empty") << Admin << " " << false << "用户密码不正确！";
    QTest::newRow("deleted after list") << Clerk << "Abc" << true << "该用户不存在！";
}

void TestLogin::refusals() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, deleteFirst);
    QFETCH(QString, message);
    TFdl1 dlg(m_db->dm());
    dlg.show();
    if (deleteFirst) Operators::remove(m_db->db(), name);
    logIn(dlg, name, password);
    QCOMPARE(m_messages->texts(), QStringList{message});
    QCOMPARE(m_messages->boxes[0].caption, QStringLiteral("提示"));
    QCOMPARE(m_messages->boxes[0].icon, Messages::Icon::Information);
    QVERIFY(dlg.isVisible());
    // The typed password stays for another try.
    QCOMPARE(child<QLineEdit>(dlg, "Edit1")->text(), password);
}

void TestLogin::successLeavesTheOperatorInTheSharedDataset() {
    TFdl1 dlg(m_db->dm());
    dlg.show();
    logIn(dlg, Clerk, QStringLiteral("Abc"));
    QVERIFY(m_messages->boxes.isEmpty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(!dlg.isVisible());
    Dataset& ds = *m_db->dm().AQyhsz1;
    QVERIFY(ds.isOpen());
    QCOMPARE(ds.count(), 1);
    QCOMPARE(ds.text(QStringLiteral("yhmc")), Clerk);
    // The name is a bound value, not part of the text.
    QVERIFY(!ds.sql().text().contains(Clerk));
    QCOMPARE(ds.sql().binds(), QVariantList{Clerk});
}

void TestLogin::defaultAdministratorHasAnEmptyPassword() {
    TFdl1 dlg(m_db->dm());
    dlg.show();
    logIn(dlg, Admin, QString());
    QVERIFY(m_messages->boxes.isEmpty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(m_db->dm().AQyhsz1->text(QStringLiteral("yhmc")), Admin);
}

void TestLogin::keyboard() {
    TFdl1 dlg(m_db->dm());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    auto* combo = child<QComboBox>(dlg, "ComboBox1");
    auto* edit = child<QLineEdit>(dlg, "Edit1");
    QCOMPARE(QApplication::focusWidget(), combo);
    choose(dlg, Clerk);
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, "Abc");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));

    TFdl1 again(m_db->dm());
    again.show();
    QTest::keyClick(child<QLineEdit>(again, "Edit1"), Qt::Key_Escape);
    QVERIFY(!again.isVisible());
    QCOMPARE(again.result(), int(QDialog::Rejected));
}

void TestLogin::closeRequestsAreSwallowed() {
    TFdl1 dlg(m_db->dm());
    dlg.show();
    QVERIFY(!dlg.close()); // what Alt+F4 asks for
    QVERIFY(dlg.isVisible());
    child<QPushButton>(dlg, "SpeedButton2")->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
}

void TestLogin::changedPasswordIsTheOneThatWorks() {
    TFtjyh1 change(m_db->dm());
    change.setMode(TFtjyh1::ownPasswordMode(), Clerk);
    change.show();
    QVERIFY(QTest::qWaitForWindowActive(&change));
    QCOMPARE(change.windowTitle(), QStringLiteral("更改我的密码"));
    QVERIFY(child<QLineEdit>(change, "Edit1")->isReadOnly());
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
             QStringLiteral("Edit2"));
    child<QLineEdit>(change, "Edit2")->setText(QStringLiteral("Abc"));
    child<QLineEdit>(change, "Edit3")->setText(QStringLiteral("New pw "));
    child<QPushButton>(change, "BitBtn1")->click();
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("密码更改成功！")});
    QCOMPARE(change.result(), int(QDialog::Accepted));
    // Stored as a hash, never as typed.
    const QString stored =
        m_db->db().scalar(QStringLiteral("select yhmm from yhsz where yhmc=?"), {Clerk}).toString();
    QVERIFY(!stored.contains(QStringLiteral("New pw")));
    m_messages->clear();

    TFdl1 dlg(m_db->dm());
    dlg.show();
    logIn(dlg, Clerk, QStringLiteral("Abc"));
    logIn(dlg, Clerk, QStringLiteral("New pw"));
    QCOMPARE(m_messages->texts(), QStringList(2, QStringLiteral("用户密码不正确！")));
    logIn(dlg, Clerk, QStringLiteral("New pw "));
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
}

void TestLogin::changeToEmptyPassword() {
    TFtjyh1 change(m_db->dm());
    change.setMode(TFtjyh1::ownPasswordMode(), Clerk);
    change.show();
    child<QLineEdit>(change, "Edit2")->setText(QStringLiteral("Abc"));
    child<QPushButton>(change, "BitBtn1")->click();
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("密码更改成功！")});

    TFdl1 dlg(m_db->dm());
    dlg.show();
    logIn(dlg, Clerk, QString());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    TFlikai1 lock(m_db->dm(), Clerk);
    lock.show();
    child<QPushButton>(lock, "BitBtn1")->click();
    QCOMPARE(lock.result(), int(QDialog::Accepted));
}

void TestLogin::changeRefusesWrongOldPassword() {
    TFtjyh1 change(m_db->dm());
    change.setMode(TFtjyh1::ownPasswordMode(), Clerk);
    change.show();
    child<QLineEdit>(change, "Edit2")->setText(QStringLiteral("abc"));
    child<QLineEdit>(change, "Edit3")->setText(QStringLiteral("new"));
    child<QPushButton>(change, "BitBtn1")->click();
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("原密码录入错误！")});
    QVERIFY(change.isVisible());
    QCOMPARE(Operators::checkPassword(*m_db->dm().AQyhsz1, Clerk, QStringLiteral("Abc")),
             Operators::Check::Ok);
}

void TestLogin::changeMyPasswordFromTheMenu() {
    QStringList seen;
    DialogRunner::Scope runner([&](QDialog& d) {
        auto* t = qobject_cast<TFtjyh1*>(&d);
        seen << t->mode() << d.windowTitle() << child<QLineEdit>(d, "Edit1")->text();
        child<QLineEdit>(d, "Edit2")->setText(QStringLiteral("Abc"));
        child<QLineEdit>(d, "Edit3")->setText(QStringLiteral("xyz"));
        child<QPushButton>(d, "BitBtn1")->click();
        return d.result();
    });
    TFtjyh1::changeMyPassword(m_db->dm(), Clerk, nullptr);
    QCOMPARE(seen, (QStringList{"更改我的密码", "更改我的密码", Clerk}));
    QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("密码更改成功！")});
    QCOMPARE(Operators::checkPassword(*m_db->dm().AQyhsz1, Clerk, QStringLiteral("xyz")),
             Operators::Check::Ok);
}

void TestLogin::unlock_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("deleteFirst");
    QTest::addColumn<bool>("unlocked");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("right password") << "Abc" << false << true << QStringList();
    QTest::newRow("differs by case")
        << "ABC" << false << false << QStringList{"密码错误，不可解锁！"};
    QTest::newRow("trailing blank")
        << "Abc " << false << false << QStringList{"密码错误，不可解锁！"};
    // The operator was deleted meanwhile: nothing happens.
    QTest::newRow("operator deleted") << "Abc" << true << false << QStringList();
}

void TestLogin::unlock() {
    QFETCH(QString, password);
    QFETCH(bool, deleteFirst);
    QFETCH(bool, unlocked);
    QFETCH(QStringList, messages);
    if (deleteFirst) Operators::remove(m_db->db(), Clerk);
    TFlikai1 lock(m_db->dm(), Clerk);
    lock.show();
    QCOMPARE(child<QLineEdit>(lock, "Edit1")->text(), Clerk);
    QVERIFY(child<QLineEdit>(lock, "Edit1")->isReadOnly());
    auto* edit = child<QLineEdit>(lock, "Edit2");
    QCOMPARE(edit->text(), QString());
    edit->setText(password);
    QTest::keyClick(edit, Qt::Key_Return); // presses 解锁
    QCOMPARE(m_messages->texts(), messages);
    QCOMPARE(lock.isVisible(), !unlocked);
    QCOMPARE(lock.result(), int(unlocked ? QDialog::Accepted : QDialog::Rejected));
}

void TestLogin::lockCannotBeClosedWithoutPassword() {
    TFlikai1 lock(m_db->dm(), Clerk);
    lock.show();
    QVERIFY(!lock.close());
    lock.reject();
    QVERIFY(lock.isVisible());
    QVERIFY(!(lock.windowFlags() & Qt::WindowCloseButtonHint));
}

void TestLogin::lockCancelEndsTheProgram() {
    int ended = 0;
    TFlikai1::setEndProgramHook([&] { ++ended; });
    TFlikai1 lock(m_db->dm(), Clerk);
    QSignalSpy requested(&lock, &TFlikai1::endProgramRequested);
    lock.show();
    child<QPushButton>(lock, "BitBtn2")->click();
    QCOMPARE(ended, 1);
    QCOMPARE(requested.count(), 1);
    QVERIFY(!lock.isVisible());
    QCOMPARE(lock.result(), int(QDialog::Rejected));
    QVERIFY(m_messages->boxes.isEmpty()); // no question on the way out
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"

#include "data/ui/NumberBox.h"
#include "print/ui/TFntoc1.h"
#include "support/MessageRecorder.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

// A shown conversion window (it deletes itself when closed).
struct Window {
    QPointer<TFntoc1> w = new TFntoc1;
    Window() { w->show(); }
    ~Window() { delete w.data(); }
    NumberBox* figures() const { return w->findChild<NumberBox*>(QStringLiteral("Edit1")); }
    QLineEdit* capitals() const { return w->findChild<QLineEdit*>(QStringLiteral("Edit2")); }
    QPushButton* button(const char* name) const {
        return w->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    // Empties the box as a person does, then types the text.
    void type(const char* text) const {
        figures()->selectAll();
        QTest::keyClick(figures(), Qt::Key_Backspace);
        QTest::keyClicks(figures(), text);
    }
    void leave() const {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(figures(), &out);
    }
};

} // namespace

class TestNtoc : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_messages = std::make_unique<MessageRecorder>(); }
    void cleanup() { m_messages.reset(); }

    void startsAtZero();
    void capitalsFollowTheTyping_data();
    void capitalsFollowTheTyping();
    void onlyNumberKeysAreTaken();
    void emptyBox();
    void unfinishedNumberKeepsTheCapitals();
    void negativeValueSetByTheProgram();
    void leavingReformats_data();
    void leavingReformats();
    void losingTheWindowIsNotLeavingTheBox();
    void cancelClosesTheSubWindow();

private:
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestNtoc::startsAtZero() {
    Window win;
    QVERIFY(QTest::qWaitForWindowActive(win.w));
    QCOMPARE(win.w->windowTitle(), QStringLiteral("人民币大小写转换"));
    QCOMPARE(win.figures()->text(), QStringLiteral("0.00"));
    QCOMPARE(win.capitals()->text(), QStringLiteral("零"));
    QVERIFY(win.capitals()->isReadOnly());
    QCOMPARE(QApplication::focusWidget(), win.figures());
    QCOMPARE(win.w->minimumSize(), win.w->maximumSize());
    QCOMPARE(win.button("BitBtn1")->text(), QStringLiteral("转换"));
    QCOMPARE(win.button("BitBtn2")->text(), QStringLiteral("取消"));
}

void TestNtoc::capitalsFollowTheTyping_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("capitals");
    QTest::newRow("with fen") << "1234567.89" << "壹佰贰拾叁万肆仟伍佰陆拾柒圆捌角玖分";
    QTest::newRow("whole") << "10" << "壹拾圆整";
    QTest::newRow("below one") << "0.5" << "伍角整";
    QTest::newRow("trailing point") << "7." << "柒圆整";
    QTest::newRow("leading point") << ".05" << "伍分";
    QTest::newRow("yi") << "100000000" << "壹亿圆整";
    QTest::newRow("largest") << "9999999999999.99"
                             << "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖圆玖角玖分";
    QTest::newRow("10^13") << "10000000000000" << "金额超出转换范围";
    QTest::newRow("beyond money") << "99999999999999999999" << "金额超出转换范围";
}

void TestNtoc::capitalsFollowTheTyping() {
    QFETCH(QString, typed);
    QFETCH(QString, capitals);
    Window win;
    win.type(typed.toLatin1().constData());
    QCOMPARE(win.figures()->text(), typed);
    QCOMPARE(win.capitals()->text(), capitals);
    QVERIFY(m_messages->boxes.isEmpty());
    // 转换 (Enter) gives the same.
    QTest::keyClick(win.figures(), Qt::Key_Return);
    QCOMPARE(win.capitals()->text(), capitals);
    QVERIFY(m_messages->boxes.isEmpty());
}

void TestNtoc::onlyNumberKeysAreTaken() {
    Window win;
    win.type("1a2-3.4.5 6");
    QCOMPARE(win.figures()->text(), QStringLiteral("123.456"));
    QTest::keyClick(win.figures(), Qt::Key_Backspace);
    QCOMPARE(win.figures()->text(), QStringLiteral("123.45"));
    QCOMPARE(win.capitals()->text(), QStringLiteral("壹佰贰拾叁圆肆角伍分"));
    // Pasted text is refused as a whole unless it is a number.
    win.figures()->insert(QStringLiteral("9x"));
    QCOMPARE(win.figures()->text(), QStringLiteral("123.45"));
    win.figures()->selectAll();
    win.figures()->insert(QStringLiteral("-5"));
    QCOMPARE(win.figures()->text(), QStringLiteral("123.45"));
    win.figures()->selectAll();
    win.figures()->insert(QStringLiteral("88"));
    QCOMPARE(win.capitals()->text(), QStringLiteral("捌拾捌圆整"));
}

void TestNtoc::emptyBox() {
    Window win;
    win.type("12");
    win.figures()->selectAll();
    QTest::keyClick(win.figures(), Qt::Key_Backspace);
    // While typing an empty box only clears the capitals; it stays empty.
    QCOMPARE(win.figures()->text(), QString());
    QCOMPARE(win.capitals()->text(), QString());
    QVERIFY(m_messages->boxes.isEmpty());
    // 转换 on an empty box says so.
    QTest::keyClick(win.figures(), Qt::Key_Return);
    win.button("BitBtn1")->click();
    QCOMPARE(m_messages->texts(), QStringList(2, QStringLiteral("小写金额不可为空！")));
    QCOMPARE(m_messages->boxes[0].caption, QStringLiteral("提示"));
    QCOMPARE(m_messages->boxes[0].icon, Messages::Icon::Information);
}

void TestNtoc::unfinishedNumberKeepsTheCapitals() {
    Window win;
    win.type("5");
    win.figures()->selectAll();
    QTest::keyClicks(win.figures(), ".");
    QCOMPARE(win.figures()->text(), QStringLiteral("."));
    QCOMPARE(win.capitals()->text(), QStringLiteral("伍圆整"));
    QVERIFY(m_messages->boxes.isEmpty());
    // Asked for explicitly, the text is refused with the conversion error.
    win.button("BitBtn1")->click();
    QCOMPARE(m_messages->boxes.size(), 1);
    QCOMPARE(m_messages->boxes[0].icon, Messages::Icon::Error);
    QCOMPARE(win.capitals()->text(), QStringLiteral("伍圆整"));
    QTest::keyClicks(win.figures(), "5");
    QCOMPARE(win.capitals()->text(), QStringLiteral("伍角整"));
}

void TestNtoc::negativeValueSetByTheProgram() {
    Window win;
    win.figures()->setText(QStringLiteral("-12.5"));
    QCOMPARE(win.capitals()->text(), QStringLiteral("负壹拾贰圆伍角整"));
}

void TestNtoc::leavingReformats_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("capitals");
    QTest::newRow("empty") << "" << "0.00" << "零";
    QTest::newRow("lone point") << "." << "0.00" << "零";
    QTest::newRow("whole") << "7" << "7.00" << "柒圆整";
    QTest::newRow("half to even") << "12.345" << "12.34" << "壹拾贰圆叁角肆分";
    QTest::newRow("half to even up") << "0.135" << "0.14" << "壹角肆分";
}

void TestNtoc::leavingReformats() {
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QString, capitals);
    Window win;
    win.type(typed.toLatin1().constData());
    win.leave();
    QCOMPARE(win.figures()->text(), after);
    QCOMPARE(win.capitals()->text(), capitals);
    QVERIFY(m_messages->boxes.isEmpty());
}

void TestNtoc::losingTheWindowIsNotLeavingTheBox() {
    Window win;
    win.type("12.345");
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(win.figures(), &out);
    }
    QCOMPARE(win.figures()->text(), QStringLiteral("12.345"));
}

void TestNtoc::cancelClosesTheSubWindow() {
    QMdiArea area;
    auto* w = new TFntoc1;
    QPointer<QMdiSubWindow> sub = area.addSubWindow(w);
    QPointer<TFntoc1> alive = w;
    area.show();
    sub->show();
    QVERIFY(sub->isVisible());
    QTest::keyClick(w->findChild<NumberBox*>(QStringLiteral("Edit1")), Qt::Key_Escape);
    QTRY_VERIFY(!sub); // closed and freed, with the window in it
    QVERIFY(!alive);
}

QTEST_MAIN(TestNtoc)
#include "tst_ntoc.moc"

#include "data/ui/Keyboard.h"
#include "data/ui/NumberBox.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A dialog with three boxes, a multi-line box, a check box and two buttons, in that tab order.
struct Form {
    QDialog dialog;
    QLineEdit* a = new QLineEdit(&dialog);
    QPushButton* between = new QPushButton(QStringLiteral("中间"), &dialog);
    QLineEdit* b = new QLineEdit(&dialog);
    QPlainTextEdit* notes = new QPlainTextEdit(&dialog);
    QCheckBox* flag = new QCheckBox(QStringLiteral("标记"), &dialog);
    QLineEdit* c = new QLineEdit(&dialog);
    QPushButton* ok = new QPushButton(QStringLiteral("保存"), &dialog);
    QPushButton* cancel = new QPushButton(QStringLiteral("关闭"), &dialog);
    QSignalSpy okClicks{ok, &QPushButton::clicked};
    QSignalSpy cancelClicks{cancel, &QPushButton::clicked};
    QSignalSpy betweenClicks{between, &QPushButton::clicked};

    Form() {
        auto* l = new QVBoxLayout(&dialog);
        for (QWidget* w : std::initializer_list<QWidget*>{a, between, b, notes, flag, c, ok, cancel})
            l->addWidget(w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
};

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enterMovesThroughTheBoxesAndSavesInTheLast();
    void enterButtonForOneBox();
    void withoutEnterButtonTheLastBoxMovesOn();
    void escPressesTheCloseButton();
    void enterOnAFocusedButtonClicksIt();

    void numberBoxTakesOnlyNumbers_data();
    void numberBoxTakesOnlyNumbers();
    void numberBoxRefill_data();
    void numberBoxRefill();
    void numberBoxValue_data();
    void numberBoxValue();
};

void TestKeyboard::enterMovesThroughTheBoxesAndSavesInTheLast() {
    Form f;
    Keyboard::install(&f.dialog, f.ok, f.cancel);
    f.a->setFocus();
    QTest::keyClick(f.a, Qt::Key_Return); // skips the button between
    QCOMPARE(f.focus(), f.b);
    QTest::keyClick(f.b, Qt::Key_Enter);
    QCOMPARE(f.focus(), f.notes);
    QTest::keyClick(f.notes, Qt::Key_Return); // a multi-line box keeps its Enter
    QCOMPARE(f.focus(), f.notes);
    QCOMPARE(f.notes->toPlainText(), QStringLiteral("\n"));
    f.flag->setFocus();
    QTest::keyClick(f.flag, Qt::Key_Return);
    QCOMPARE(f.focus(), f.c);
    QCOMPARE(f.okClicks.count(), 0);
    QTest::keyClick(f.c, Qt::Key_Return);
    QCOMPARE(f.okClicks.count(), 1);
    QCOMPARE(f.betweenClicks.count(), 0);
    QCOMPARE(f.cancelClicks.count(), 0);
    QVERIFY(f.dialog.isVisible()); // QDialog's own default-button handling stays out
}

void TestKeyboard::enterButtonForOneBox() {
    Form f;
    Keyboard* k = Keyboard::install(&f.dialog, f.ok, f.cancel);
    QCOMPARE(Keyboard::of(&f.dialog), k);
    k->setEnterButton(f.a, f.between);
    f.a->setFocus();
    QTest::keyClick(f.a, Qt::Key_Return);
    QCOMPARE(f.betweenClicks.count(), 1);
    QCOMPARE(f.focus(), f.a);
    // A null button makes even the last box move on.
    k->setEnterButton(f.c, nullptr);
    f.c->setFocus();
    QTest::keyClick(f.c, Qt::Key_Return);
    QCOMPARE(f.okClicks.count(), 0);
    QVERIFY(f.focus() != f.c);
}

void TestKeyboard::withoutEnterButtonTheLastBoxMovesOn() {
    Form f;
    Keyboard::install(&f.dialog, nullptr, f.cancel);
    f.c->setFocus();
    QTest::keyClick(f.c, Qt::Key_Return);
    QCOMPARE(f.focus(), f.ok); // on as Tab goes
    QCOMPARE(f.okClicks.count(), 0);
}

void TestKeyboard::escPressesTheCloseButton() {
    Form f;
    Keyboard::install(&f.dialog, f.ok, f.cancel);
    for (QWidget* w : std::initializer_list<QWidget*>{f.a, f.notes, f.flag}) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Escape);
    }
    QCOMPARE(f.cancelClicks.count(), 3);
    QVERIFY(f.dialog.isVisible()); // the button decides, not QDialog's reject
}

void TestKeyboard::enterOnAFocusedButtonClicksIt() {
    Form f;
    Keyboard::install(&f.dialog, f.ok, f.cancel);
    f.cancel->setFocus();
    QTest::keyClick(f.cancel, Qt::Key_Return);
    QCOMPARE(f.cancelClicks.count(), 1);
    QCOMPARE(f.okClicks.count(), 0);
}

void TestKeyboard::numberBoxTakesOnlyNumbers_data() {
    QTest::addColumn<bool>("negative");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits and one point") << false << "12.3.4" << "12.34";
    QTest::newRow("letters and blanks") << false << "1 a2,b" << "12";
    QTest::newRow("minus refused") << false << "-5" << "5";
    QTest::newRow("leading minus") << true << "-5" << "-5";
    QTest::newRow("one minus only") << true << "--5-" << "-5";
    QTest::newRow("minus then point") << true << "-.5" << "-.5";
}

void TestKeyboard::numberBoxTakesOnlyNumbers() {
    QFETCH(bool, negative);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    NumberBox box;
    box.setNegativeAllowed(negative);
    box.setText(QString());
    QTest::keyClicks(&box, typed.toLatin1().constData());
    QCOMPARE(box.text(), shown);
    // A paste that is not a number is refused as a whole.
    box.insert(QStringLiteral("1x"));
    QCOMPARE(box.text(), shown);
}

void TestKeyboard::numberBoxRefill_data() {
    QTest::addColumn<QString>("emptyText");
    QTest::newRow("zero") << "0";
    QTest::newRow("one, for a discount") << "1";
    QTest::newRow("none") << "";
}

void TestKeyboard::numberBoxRefill() {
    QFETCH(QString, emptyText);
    NumberBox box;
    box.setEmptyText(emptyText);
    box.setText(QStringLiteral("12"));
    box.setCursorPosition(2);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), emptyText);
    // The refilled text is selected: the next digit replaces it.
    QTest::keyClicks(&box, "7");
    QCOMPARE(box.text(), QStringLiteral("7"));
    // Emptied by the program, the box stays empty.
    box.clear();
    QCOMPARE(box.text(), QString());
}

void TestKeyboard::numberBoxValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");   // value(), as "0.0000"
    QTest::addColumn<QString>("rounded"); // text after roundToTwoDecimals()
    QTest::newRow("plain") << "3" << "3.0000" << "3.00";
    QTest::newRow("half to even down") << "0.125" << "0.1250" << "0.12";
    QTest::newRow("half to even up") << "0.135" << "0.1350" << "0.14";
    QTest::newRow("negative") << "-2.005" << "-2.0050" << "-2.00";
    QTest::newRow("four decimals kept in value") << "1.2345" << "1.2345" << "1.23";
    QTest::newRow("lone point") << "." << "0.0000" << ".";
    QTest::newRow("lone minus") << "-" << "0.0000" << "-";
    QTest::newRow("empty") << "" << "0.0000" << "";
}

void TestKeyboard::numberBoxValue() {
    QFETCH(QString, text);
    QFETCH(QString, value);
    QFETCH(QString, rounded);
    NumberBox box;
    box.setNegativeAllowed(true);
    box.setText(text);
    QCOMPARE(box.value().toFixed(4), value);
    QCOMPARE(box.parsedValue().has_value(), !(text.isEmpty() || text == "." || text == "-"));
    box.roundToTwoDecimals();
    QCOMPARE(box.text(), rounded);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

#include "core/AmountInCapitals.h"

#include <QTest>

class TestAmountInCapitals : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void capitals_data();
    void capitals();
    void unwritableAmountsGiveEmptyText_data();
    void unwritableAmountsGiveEmptyText();
};

void TestAmountInCapitals::capitals_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* amount, const char* expected) {
        QTest::newRow(name) << QString::fromUtf8(amount) << QString::fromUtf8(expected);
    };
    row("zero", "0", "零");
    row("one fen", "0.01", "壹分");
    row("five fen", "0.05", "伍分");
    row("one jiao", "0.10", "壹角整");
    row("five jiao", "0.50", "伍角整");
    row("jiao and fen below one", "0.55", "伍角伍分");
    row("one yuan", "1.00", "壹圆整");
    row("zero jiao between yuan and fen", "1.05", "壹圆零伍分");
    row("zero ones digit keeps yuan", "10.00", "壹拾圆整");
    row("ten and a half", "10.50", "壹拾圆伍角整");
    row("hundred", "100.00", "壹佰圆整");
    row("thousand and one fen", "1000.01", "壹仟圆零壹分");
    row("zero run inside a group", "1001.00", "壹仟零壹圆整");
    row("alternating zeros", "1010.10", "壹仟零壹拾圆壹角整");
    row("zero run at group bottom", "100000.50", "壹拾万圆伍角整");
    row("zero run below wan", "100001.00", "壹拾万零壹圆整");
    row("zero run at wan bottom", "1010000.00", "壹佰零壹万圆整");
    row("every digit", "1234567.89", "壹佰贰拾叁万肆仟伍佰陆拾柒圆捌角玖分");
    row("zeros across wan", "20000300.00", "贰仟万零叁佰圆整");
    row("yi drops empty wan", "100000000.00", "壹亿圆整");
    row("no zero across empty wan group", "100001000.00", "壹亿壹仟圆整");
    row("zero between yi and wan", "100010000.00", "壹亿零壹万圆整");
    row("ten yi and one", "1000000001.00", "壹拾亿零壹圆整");
    row("hundred yi and ten wan", "10000100000.00", "壹佰亿零壹拾万圆整");
    row("wan yi", "1000000000000.00", "壹万亿圆整");
    row("largest writable", "9999999999999.99", "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖圆玖角玖分");
    // Rounding to two decimals: an exact half goes away from zero; below-one is judged unrounded.
    row("half fen rounds up", "0.005", "壹分");
    row("below half fen reads as zero", "0.004", "零");
    row("smallest positive reads as zero", "0.0001", "零");
    row("just below one", "0.994", "玖角玖分");
    row("rounds up to one yuan", "0.995", "壹圆整");
    row("half away not even", "1.125", "壹圆壹角叁分");
    row("rounds into the next yuan", "9.995", "壹拾圆整");
}

void TestAmountInCapitals::capitals() {
    QFETCH(QString, amount);
    QFETCH(QString, expected);
    QCOMPARE(AmountInCapitals(Money::fromString(amount)), expected);
}

void TestAmountInCapitals::unwritableAmountsGiveEmptyText_data() {
    QTest::addColumn<Money>("amount");
    QTest::newRow("ten thousand yi") << Money::fromString(u"10000000000000");
    QTest::newRow("rounds up to ten thousand yi") << Money::fromString(u"9999999999999.995");
    QTest::newRow("largest money") << Money::fromRaw(std::numeric_limits<int64_t>::max());
    QTest::newRow("negative") << Money::fromString(u"-1.05");
    QTest::newRow("tiny negative") << Money::fromString(u"-0.0001");
}

void TestAmountInCapitals::unwritableAmountsGiveEmptyText() {
    QFETCH(Money, amount);
    QVERIFY(AmountInCapitals(amount).isNull());
}

QTEST_APPLESS_MAIN(TestAmountInCapitals)
#include "tst_amountincapitals.moc"

#include "core/Money.h"

#include <QTest>

#include <limits>

namespace {

Money m(const char* text) { return Money::fromString(QString::fromLatin1(text)); }

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

} // namespace

class TestMoney : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fixedFormats_data();
    void fixedFormats();
    void shortAndDisplayForms_data();
    void shortAndDisplayForms();
    void productAndQuotientRoundHalfEven_data();
    void productAndQuotientRoundHalfEven();
    void divisionByZeroThrows();
    void parseAccepts_data();
    void parseAccepts();
    void parseRejects_data();
    void parseRejects();
    void parseRoundsTypedDigitsOnce_data();
    void parseRoundsTypedDigitsOnce();
    void arithmeticOutOfRangeThrows();
};

// A format of a value; the value is either parsed text or a product of two parsed texts.
void TestMoney::fixedFormats_data() {
    QTest::addColumn<Money>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<Rounding>("mode");
    QTest::addColumn<QString>("expected");
    const auto even = Rounding::HalfEven;
    const auto away = Rounding::HalfAwayFromZero;
    QTest::newRow("2dp half to even, down") << m("0.125") << 2 << even << "0.12";
    QTest::newRow("2dp half to even, up") << m("0.135") << 2 << even << "0.14";
    QTest::newRow("2dp 12.345") << m("12.345") << 2 << even << "12.34";
    QTest::newRow("2dp 12.355") << m("12.355") << 2 << even << "12.36";
    QTest::newRow("2dp above half") << m("2.556") << 2 << even << "2.56";
    QTest::newRow("2dp price x discount") << m("12.50") * m("0.85") << 2 << even << "10.62";
    QTest::newRow("2dp quantity x price") << m("3") * m("2.56") << 2 << even << "7.68";
    QTest::newRow("2dp pads zeros") << m("3") << 2 << even << "3.00";
    QTest::newRow("2dp negative half to even") << m("-0.125") << 2 << even << "-0.12";
    QTest::newRow("2dp negative rounds to zero unsigned") << m("-0.004") << 2 << even << "0.00";
    QTest::newRow("1dp half away") << m("12.35") << 1 << away << "12.4";
    QTest::newRow("1dp half away, even digit below") << m("12.25") << 1 << away << "12.3";
    QTest::newRow("1dp negative half away") << m("-12.35") << 1 << away << "-12.4";
    QTest::newRow("1dp half even") << m("12.25") << 1 << even << "12.2";
    QTest::newRow("0dp half away") << m("2.5") << 0 << away << "3";
    QTest::newRow("0dp half even") << m("2.5") << 0 << even << "2";
    QTest::newRow("4dp exact") << m("-0.0001") << 4 << even << "-0.0001";
}

void TestMoney::fixedFormats() {
    QFETCH(Money, value);
    QFETCH(int, decimals);
    QFETCH(Rounding, mode);
    QFETCH(QString, expected);
    QCOMPARE(value.toFixed(decimals, mode), expected);
    // The named formats are the same roundings.
    if (decimals == 2 && mode == Rounding::HalfEven)
        QCOMPARE(value.toFixed2(), expected);
    if (decimals == 1 && mode == Rounding::HalfAwayFromZero)
        QCOMPARE(value.toFixed1(), expected);
    if (decimals == 1 && mode == Rounding::HalfEven)
        QCOMPARE(value.toFixed1HalfEven(), expected);
}

void TestMoney::shortAndDisplayForms_data() {
    QTest::addColumn<Money>("value");
    QTest::addColumn<QString>("shortForm");
    QTest::addColumn<QString>("display");
    QTest::newRow("one decimal") << m("12.5") << "12.5" << "12.50";
    QTest::newRow("whole hundred") << m("100") << "100" << "100.00";
    QTest::newRow("zero") << Money() << "0" << "0.00";
    QTest::newRow("negative four decimals") << m("-0.0625") << "-0.0625" << "-0.0625";
    QTest::newRow("three fifty") << m("3.5") << "3.5" << "3.50";
    QTest::newRow("four decimals") << m("2.5563") << "2.5563" << "2.5563";
    QTest::newRow("three decimals") << m("10.005") << "10.005" << "10.005";
    QTest::newRow("smallest negative money")
        << Money::fromRaw(kMin) << "-922337203685477.5808" << "-922337203685477.5808";
}

void TestMoney::shortAndDisplayForms() {
    QFETCH(Money, value);
    QFETCH(QString, shortForm);
    QFETCH(QString, display);
    QCOMPARE(value.toShortString(), shortForm);
    QCOMPARE(value.toDisplayString(), display);
}

void TestMoney::productAndQuotientRoundHalfEven_data() {
    QTest::addColumn<Money>("result");
    QTest::addColumn<QString>("expected");
    QTest::newRow("product half to even, down") << m("0.0001") * m("0.5") << "0";
    QTest::newRow("product half to even, up") << m("0.0003") * m("0.5") << "0.0002";
    QTest::newRow("product above half") << m("0.0003") * m("0.51") << "0.0002";
    QTest::newRow("product to four places") << m("12.50") * m("0.85") << "10.625";
    QTest::newRow("negative product half to even") << m("-0.0003") * m("0.5") << "-0.0002";
    QTest::newRow("quotient one third") << m("1") / m("3") << "0.3333";
    QTest::newRow("quotient two thirds") << m("2") / m("3") << "0.6667";
    QTest::newRow("quotient negative divisor") << m("2") / m("-3") << "-0.6667";
    QTest::newRow("quotient half to even") << m("0.0005") / m("2") << "0.0002";
    QTest::newRow("large product exact") << m("900000000") * m("1000") << "900000000000";
}

void TestMoney::productAndQuotientRoundHalfEven() {
    QFETCH(Money, result);
    QFETCH(QString, expected);
    QCOMPARE(result.toShortString(), expected);
}

void TestMoney::divisionByZeroThrows() {
    QVERIFY_THROWS_EXCEPTION(std::domain_error, m("1") / Money());
    QVERIFY_THROWS_EXCEPTION(std::domain_error, Money() / Money());
}

void TestMoney::parseAccepts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("integer") << "3" << qint64(30000);
    QTest::newRow("trailing point") << "3." << qint64(30000);
    QTest::newRow("leading point") << ".5" << qint64(5000);
    QTest::newRow("negative") << "-0.25" << qint64(-2500);
    QTest::newRow("blanks around") << " 7 " << qint64(70000);
    QTest::newRow("fifth decimal above half") << "1.23456" << qint64(12346);
    QTest::newRow("exact half to even, down") << "0.00005" << qint64(0);
    QTest::newRow("exact half to even, up") << "0.00015" << qint64(2);
    QTest::newRow("negative half to even") << "-0.00015" << qint64(-2);
    QTest::newRow("far digit lifts a half") << "0.00005000000000000000000000000001" << qint64(1);
    QTest::newRow("many decimals on a large value")
        << "100000000000.12345000000000000000000000001" << qint64(1000000000001235);
    QTest::newRow("largest") << "922337203685477.5807" << qint64(kMax);
    QTest::newRow("smallest") << "-922337203685477.5808" << qint64(kMin);
}

void TestMoney::parseAccepts() {
    QFETCH(QString, text);
    QFETCH(qint64, raw);
    QString error;
    const auto value = Money::parse(text, &error);
    QVERIFY2(value.has_value(), qPrintable(error));
    QCOMPARE(value->raw(), raw);
}

void TestMoney::parseRejects_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error"); // empty: any non-empty reason
    QTest::newRow("empty") << "" << "";
    QTest::newRow("blank") << " " << "";
    QTest::newRow("lone minus") << "-" << "";
    QTest::newRow("lone point") << "." << "";
    QTest::newRow("two points") << "1.2.3" << "";
    QTest::newRow("letter") << "12a" << "";
    QTest::newRow("double minus") << "--1" << "";
    QTest::newRow("inner minus") << "1-2" << "";
    QTest::newRow("whole part too large") << "999999999999999999999" << "数值超出范围";
    QTest::newRow("just above largest") << "922337203685477.5808" << "数值超出范围";
    QTest::newRow("rounds above largest") << "922337203685477.58075" << "数值超出范围";
    QTest::newRow("just below smallest") << "-922337203685477.5809" << "数值超出范围";
}

void TestMoney::parseRejects() {
    QFETCH(QString, text);
    QFETCH(QString, error);
    QString why;
    std::optional<Money> value;
    try {
        value = Money::parse(text, &why);
    } catch (const std::exception& e) {
        QFAIL(qPrintable(QStringLiteral("parse threw: ") + QString::fromUtf8(e.what())));
    }
    QVERIFY(!value.has_value());
    QVERIFY(!why.isEmpty());
    if (!error.isEmpty())
        QCOMPARE(why, error);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Money::fromString(text));
}

void TestMoney::arithmeticOutOfRangeThrows() {
    const Money max = Money::fromRaw(kMax);
    const Money min = Money::fromRaw(kMin);
    const Money tiny = Money::fromRaw(1);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, max + tiny);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, min - tiny);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, -min);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, min.abs());
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, m("1000000000") * m("1000000000"));
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, max / m("0.5"));
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, max.rounded(0));
    // The edges themselves are in range.
    QCOMPARE((max - tiny + tiny).raw(), kMax);
    QCOMPARE((-max).raw(), -kMax);
    QCOMPARE((min * m("1") / m("1")).raw(), kMin);
}

void TestMoney::parseRoundsTypedDigitsOnce_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("twoPlaces");
    QTest::newRow("half below the fifth place lifts") << "1.00501" << "1.01";
    QTest::newRow("exact half to even, down") << "0.125" << "0.12";
    QTest::newRow("exact half to even, up") << "0.135" << "0.14";
    QTest::newRow("more than two decimals") << "1.006" << "1.01";
    QTest::newRow("negative") << "-2.345" << "-2.34";
}

void TestMoney::parseRoundsTypedDigitsOnce() {
    QFETCH(QString, typed);
    QFETCH(QString, twoPlaces);
    const auto v = Money::parse(typed, 2, Rounding::HalfEven);
    QVERIFY(v);
    QCOMPARE(v->toFixed(4), Money::fromString(twoPlaces).toFixed(4));
}

QTEST_APPLESS_MAIN(TestMoney)
#include "tst_money.moc"

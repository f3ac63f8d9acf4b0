#include "core/AmountInCapitals.h"

namespace {

// Capital digits 0-9, a filler (10), then the units: 分 (11), 角 (12), and 圆 up to 万亿 for
// integer positions 1..13 (12 + position).
const QString& table() {
    static const QString t = QStringLiteral("零壹贰叁肆伍陆柒捌玖◇分角圆拾佰仟万拾佰仟亿拾佰仟万");
    return t;
}

constexpr int kMaxIntegerDigits = 13;
constexpr int kHundredthsUnit = 11;
constexpr int kTenthsUnit = 12;

QChar unitOfPosition(int p) { return table()[12 + p]; }

} // namespace

QString AmountInCapitals(const Money& amount) {
    // 10^13 yuan in ten-thousandths; checked before rounding so rounding cannot overflow.
    constexpr int64_t kLimitRaw = 10'000'000'000'000LL * Money::Scale;
    if (amount.isNegative() || amount.raw() >= kLimitRaw)
        return {};

    const QString s = amount.toFixed(2, Rounding::HalfAwayFromZero);
    const qsizetype point = s.indexOf(u'.');
    const QStringView integerDigits = QStringView(s).left(point);
    if (integerDigits.size() > kMaxIntegerDigits)
        return {}; // 9999999999999.995 rounds up past 万亿
    if (s == QLatin1String("0.00"))
        return QStringLiteral("零");

    const QString& t = table();
    const bool belowOne = amount < Money(1);

    // Integer part, from the ones digit leftwards. A zero is spoken once per run, at the run's
    // lowest position, unless that is the bottom of a group (圆, 万, 亿).
    QString integer;
    bool previousZero = belowOne;
    const int n = int(integerDigits.size());
    for (int p = 1; p <= n; ++p) {
        const int d = integerDigits[n - p].digitValue();
        const bool groupBottom = p == 1 || p == 5 || p == 9;
        QString piece;
        if (d != 0 || !(previousZero || groupBottom))
            piece += t[d];
        if (d != 0)
            piece += unitOfPosition(p);
        else if (p == 1) {
            if (!previousZero) // below one yuan there is no 圆
                piece += unitOfPosition(p);
        } else if (p == 5 || p == 9)
            piece += unitOfPosition(p); // 万 of an all-zero group; 亿万 is cleaned up below
        integer.prepend(piece);
        previousZero = d == 0;
    }
    integer.replace(QStringLiteral("亿万"), QStringLiteral("亿"));

    // Fraction part: 角 then 分, ending in 整 when there is no 分.
    const int hundredths = s.at(s.size() - 1).digitValue();
    const int tenths = s.at(s.size() - 2).digitValue();
    QString fraction = hundredths != 0 ? QString(t[hundredths]) + t[kHundredthsUnit]
                                       : QStringLiteral("整");
    if (tenths != 0)
        fraction.prepend(QString(t[tenths]) + t[kTenthsUnit]);
    else if (hundredths != 0 && !belowOne)
        fraction.prepend(t[0]); // 1.05: 壹圆零伍分

    return integer + fraction;
}

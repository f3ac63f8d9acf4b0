#include "core/Money.h"

#include <limits>

namespace {

constexpr int64_t kPow10[] = {1, 10, 100, 1000, 10000};

int64_t checkedRange(Int128 v) {
    if (v > std::numeric_limits<int64_t>::max() || v < std::numeric_limits<int64_t>::min())
        throw MoneyOverflow();
    return int64_t(v);
}

} // namespace

int64_t roundDivide(Int128 n, Int128 divisor, Rounding mode) {
    if (divisor == 0)
        throw std::domain_error("division by zero");
    if (divisor < 0) {
        n = -n;
        divisor = -divisor;
    }
    Int128 q = n / divisor; // truncates towards zero
    Int128 r = n % divisor; // same sign as n
    if (r != 0) {
        const Int128 twice = (r < 0 ? -r : r) * 2;
        const int away = n < 0 ? -1 : 1;
        if (twice > divisor)
            q += away;
        else if (twice == divisor) {
            if (mode == Rounding::HalfAwayFromZero || (q % 2) != 0)
                q += away;
        }
    }
    return checkedRange(q);
}

std::optional<Money> Money::parse(QStringView text, QString* error) {
    return parse(text, 4, Rounding::HalfEven, error);
}

std::optional<Money> Money::parse(QStringView text, int decimals, Rounding mode, QString* error) {
    if (decimals < 0 || decimals > 4)
        throw std::invalid_argument("decimals out of range");
    auto fail = [error](const char* why) -> std::optional<Money> {
        if (error)
            *error = QString::fromUtf8(why);
        return std::nullopt;
    };
    static constexpr char kOutOfRange[] = "数值超出范围";
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return fail("不是有效的数值：内容为空");
    qsizetype i = 0;
    bool negative = false;
    if (t[0] == u'-') {
        negative = true;
        ++i;
    }
    Int128 whole = 0;
    Int128 frac = 0; // ten-thousandths scaled, with one extra guard digit group below
    int fracDigits = 0;
    int digits = 0;
    bool point = false;
    // Digits past the fourth decimal decide the rounding: keep them as an exact fraction. Up to
    // 17 of them are kept (so raw * tailScale fits 128 bits); any non-zero digit further on only
    // lifts an exact half, which `sticky` records.
    Int128 tail = 0;
    Int128 tailScale = 1;
    int tailDigits = 0;
    bool sticky = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'.') {
            if (point)
                return fail("不是有效的数值：小数点多于一个");
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return fail("不是有效的数值：含有非数字字符");
        const int d = c.unicode() - u'0';
        ++digits;
        if (!point) {
            whole = whole * 10 + d;
            if (whole > std::numeric_limits<int64_t>::max() / Scale)
                return fail(kOutOfRange);
        } else if (fracDigits < 4) {
            frac = frac * 10 + d;
            ++fracDigits;
        } else if (tailDigits < 17) {
            tail = tail * 10 + d;
            tailScale *= 10;
            ++tailDigits;
        } else if (d != 0) {
            sticky = true;
        }
    }
    if (digits == 0)
        return fail("不是有效的数值");
    if (sticky) {
        tail = tail * 10 + 1;
        tailScale *= 10;
    }
    frac *= kPow10[4 - fracDigits];
    Int128 raw = whole * Scale + frac;
    // raw + tail/tailScale, rounded once, straight from the typed digits, to the wanted places
    const Int128 total = raw * tailScale + tail;
    const int64_t unit = kPow10[4 - decimals];
    try {
        const int64_t q = roundDivide(negative ? -total : total, tailScale * unit, mode);
        return Money::fromRaw(checkedRange(Int128(q) * unit));
    } catch (const MoneyOverflow&) {
        return fail(kOutOfRange);
    }
}

Money Money::fromString(QStringView text) {
    QString why;
    auto m = parse(text, &why);
    if (!m)
        throw std::invalid_argument(why.toStdString());
    return *m;
}

Money Money::abs() const {
    if (m_raw == std::numeric_limits<int64_t>::min())
        throw MoneyOverflow();
    return fromRaw(m_raw < 0 ? -m_raw : m_raw);
}

Money Money::operator+(Money o) const { return fromRaw(checkedRange(Int128(m_raw) + o.m_raw)); }
Money Money::operator-(Money o) const { return fromRaw(checkedRange(Int128(m_raw) - o.m_raw)); }
Money Money::operator-() const { return fromRaw(checkedRange(-Int128(m_raw))); }

Money Money::operator*(Money o) const {
    return fromRaw(roundDivide(Int128(m_raw) * o.m_raw, Scale, Rounding::HalfEven));
}

Money Money::operator/(Money o) const {
    if (o.m_raw == 0)
        throw std::domain_error("division by zero");
    return fromRaw(roundDivide(Int128(m_raw) * Scale, o.m_raw, Rounding::HalfEven));
}

Money Money::rounded(int decimals, Rounding mode) const {
    if (decimals < 0 || decimals > 4)
        throw std::invalid_argument("decimals out of range");
    const int64_t unit = kPow10[4 - decimals];
    return fromRaw(checkedRange(Int128(roundDivide(m_raw, unit, mode)) * unit));
}

QString Money::toFixed(int decimals, Rounding mode) const {
    const int64_t r = rounded(decimals, mode).raw();
    const bool neg = r < 0;
    const uint64_t a = neg ? uint64_t(0) - uint64_t(r) : uint64_t(r);
    QString s = QString::number(a / Scale);
    if (decimals > 0) {
        const uint64_t f = (a % Scale) / uint64_t(kPow10[4 - decimals]);
        s += u'.';
        s += QString::number(f).rightJustified(decimals, u'0');
    }
    if (neg)
        s.prepend(u'-');
    return s;
}

QString Money::toFixed2() const { return toFixed(2, Rounding::HalfEven); }
QString Money::toFixed1() const { return toFixed(1, Rounding::HalfAwayFromZero); }
QString Money::toFixed1HalfEven() const { return toFixed(1, Rounding::HalfEven); }

QString Money::toShortString() const {
    QString s = toFixed(4);
    while (s.endsWith(u'0') && s.contains(u'.'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s;
}

QString Money::toDisplayString() const {
    QString s = toFixed(4);
    // Keep two decimals at least; drop further zeros.
    while (s.size() > 0 && s.endsWith(u'0') && s.indexOf(u'.') < s.size() - 3)
        s.chop(1);
    return s;
}

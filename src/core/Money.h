#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>

// A money amount (also quantities, prices, discounts, points): a fixed-point decimal held as a
// count of ten-thousandths. Sums and differences are exact; products and quotients are rounded
// to four places, an exact half to the even digit. Arithmetic that leaves the range throws
// MoneyOverflow instead of wrapping.
// A 128-bit intermediate for products and quotients (a GCC/Clang extension).
__extension__ typedef __int128 Int128;

class MoneyOverflow : public std::overflow_error {
public:
    MoneyOverflow() : std::overflow_error("money value out of range") {}
};

enum class Rounding {
    HalfEven,     // 0.125 -> 0.12, 0.135 -> 0.14
    HalfAwayFromZero, // 12.35 -> 12.4, -12.35 -> -12.4
};

class Money {
public:
    static constexpr int64_t Scale = 10000;

    constexpr Money() = default;
    // Whole units: Money(3) is 3.0000.
    constexpr explicit Money(int units) : m_raw(int64_t(units) * Scale) {}

    static constexpr Money fromRaw(int64_t tenThousandths) {
        Money m;
        m.m_raw = tenThousandths;
        return m;
    }
    constexpr int64_t raw() const { return m_raw; }

    // Parses the text of a number box: optional blanks around, an optional leading minus, digits
    // with at most one decimal point ("3", "3.", ".5", "-0.25"). More than four decimals are rounded
    // half to even. A lone "-" or "." or "" is not a number. On failure (also a value out of range)
    // returns nullopt and, when error is given, a short Chinese reason; it never throws.
    static std::optional<Money> parse(QStringView text, QString* error = nullptr);
    // As parse, rounding the typed digits once to the given number of decimals (0..4): a box
    // rounded to two places reads 1.00501 as 1.01, where rounding to four places first would
    // give 1.0050 and then 1.00.
    static std::optional<Money> parse(QStringView text, int decimals, Rounding mode,
                                      QString* error = nullptr);
    // As parse, but an unparsable text throws std::invalid_argument (for literals in code and tests).
    static Money fromString(QStringView text);

    constexpr bool isZero() const { return m_raw == 0; }
    constexpr bool isNegative() const { return m_raw < 0; }
    Money abs() const;

    Money operator+(Money o) const;
    Money operator-(Money o) const;
    Money operator-() const;
    Money& operator+=(Money o) { return *this = *this + o; }
    Money& operator-=(Money o) { return *this = *this - o; }
    // Product and quotient rounded to four places, half to even. Division by zero throws
    // std::domain_error.
    Money operator*(Money o) const;
    Money operator/(Money o) const;

    constexpr auto operator<=>(const Money&) const = default;
    constexpr bool operator==(const Money&) const = default;

    // The value rounded to the given number of decimals (0..4).
    Money rounded(int decimals, Rounding mode = Rounding::HalfEven) const;

    // "0.00": two decimals, half to even (stored and shown amounts).
    QString toFixed2() const;
    // One decimal, half away from zero (checkout amounts and receipts).
    QString toFixed1() const;
    // One decimal, half to even (the one typed-payment case of the checkout).
    QString toFixed1HalfEven() const;
    // Any number of decimals 0..4 with the given rounding.
    QString toFixed(int decimals, Rounding mode = Rounding::HalfEven) const;
    // Shortest exact form without trailing zeros: 12.5, 100, 0, -0.0625 (status-bar totals).
    QString toShortString() const;
    // Grid form: at least two decimals, more only when the value has them (3.50, 2.5563).
    QString toDisplayString() const;

private:
    int64_t m_raw = 0;
};

// Rounds a 128-bit count of ten-thousandths scaled by `divisor` (the exact value is n / divisor)
// to an integer. Throws MoneyOverflow when the result does not fit 64 bits.
int64_t roundDivide(Int128 n, Int128 divisor, Rounding mode);

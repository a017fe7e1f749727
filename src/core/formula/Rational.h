// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <type_traits>

// A number as a fraction of whole numbers, always in lowest terms with a
// positive denominator. What a school problem computes (thirds, halves,
// decimals of a specific weight, whole roots) stays exact; a result that
// would not fit, or a division by zero, gives an invalid number, which
// stays invalid through every operation after it.
class Rational
{
public:
    constexpr Rational() = default;
    // Whole numbers only: a float has no exact place here.
    template <typename Whole, std::enable_if_t<std::is_integral_v<Whole>, int> = 0>
    constexpr Rational(Whole whole) : m_numerator(qint64(whole)) {}

    static Rational fraction(qint64 numerator, qint64 denominator);
    static Rational invalid() { return Rational(0, 0, Raw); }
    // "219,04", "7", "0,5": digits with at most one comma after the first.
    static std::optional<Rational> fromDecimal(QStringView text);

    bool isValid() const { return m_denominator != 0; }
    bool isWhole() const { return m_denominator == 1; }
    bool isZero() const { return isValid() && m_numerator == 0; }
    bool isNegative() const { return m_numerator < 0; }
    qint64 numerator() const { return m_numerator; }
    qint64 denominator() const { return m_denominator; }

    // Whether the number has at most so many decimals.
    bool hasDecimals(int places) const;
    // Exactly so many hundredths, or nothing when it has more decimals.
    std::optional<qint64> hundredths() const;
    // A pupil's way: "4,8", "10", "0,5"; a number with more decimals than
    // six as its fraction, "4/3".
    QString text() const;

    // Rounded to so many decimals, halves up; cut to them.
    Rational rounded(int places) const;
    Rational truncated(int places) const;
    // The root of a square (or cube) of a fraction, where numerator and
    // denominator both are one; nothing otherwise.
    std::optional<Rational> exactRoot(int degree) const;
    // The square root of a number that is not negative, rounded to so many
    // decimals (or cut to them), worked out with whole numbers alone.
    Rational roundedSquareRoot(int places) const;
    Rational truncatedSquareRoot(int places) const;

    friend Rational operator+(Rational a, Rational b);
    friend Rational operator-(Rational a, Rational b);
    friend Rational operator*(Rational a, Rational b);
    friend Rational operator/(Rational a, Rational b);
    friend bool operator==(Rational a, Rational b)
    {
        return a.m_numerator == b.m_numerator && a.m_denominator == b.m_denominator;
    }
    friend bool operator!=(Rational a, Rational b) { return !(a == b); }

private:
    enum RawTag { Raw };
    constexpr Rational(qint64 numerator, qint64 denominator, RawTag)
        : m_numerator(numerator), m_denominator(denominator) {}
    friend struct RationalArithmetic;

    qint64 m_numerator = 0;
    qint64 m_denominator = 1;
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Rational.h"

#include "common/ItalianNumber.h"

#include <limits>

// Products of two 64-bit numbers are worked in 128 bits, then reduced.
__extension__ using Wide = __int128;

namespace {

Wide gcd(Wide a, Wide b)
{
    if (a < 0)
        a = -a;
    while (b != 0) {
        const Wide r = a % b;
        a = b;
        b = r < 0 ? -r : r;
    }
    return a;
}

Wide power10(int places)
{
    Wide p = 1;
    for (int i = 0; i < places; ++i)
        p *= 10;
    return p;
}

// The whole root of a number, the largest s with s^degree <= value, by
// halving: no floating point, so no rounding of its own.
Wide rootFloor(Wide value, int degree)
{
    const auto power = [degree](Wide s) {
        Wide p = 1;
        for (int i = 0; i < degree; ++i)
            p *= s;
        return p;
    };
    Wide low = 0;
    Wide high = 1;
    while (power(high) <= value)
        high *= 2;
    while (high - low > 1) {
        const Wide middle = (low + high) / 2;
        (power(middle) <= value ? low : high) = middle;
    }
    return low;
}

// Products of two 64-bit numbers fit the wide type; anything larger than a
// 64-bit number after reduction is an overflow.
bool fits(Wide value)
{
    return value >= std::numeric_limits<qint64>::min() && value <= std::numeric_limits<qint64>::max();
}

} // namespace

struct RationalArithmetic
{
    static Rational reduced(Wide numerator, Wide denominator);
    // floor(√(n / d) · 10^places), exactly; and whether it rounds up.
    static std::optional<Wide> scaledRootFloor(const Rational &r, int places, bool *roundsUp = nullptr);
};

namespace {

Rational reduced(Wide numerator, Wide denominator)
{
    return RationalArithmetic::reduced(numerator, denominator);
}

} // namespace

Rational RationalArithmetic::reduced(Wide numerator, Wide denominator)
{
    if (denominator == 0)
        return Rational::invalid();
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Wide common = numerator == 0 ? denominator : gcd(numerator, denominator);
    numerator /= common;
    denominator /= common;
    if (!fits(numerator) || !fits(denominator))
        return Rational::invalid();
    return Rational(qint64(numerator), qint64(denominator), Rational::Raw);
}

Rational Rational::fraction(qint64 numerator, qint64 denominator)
{
    return reduced(numerator, denominator);
}

std::optional<Rational> Rational::fromDecimal(QStringView text)
{
    Wide numerator = 0;
    Wide denominator = 1;
    bool comma = false;
    int digits = 0;
    for (QChar c : text) {
        if (c == u',' && !comma) {
            comma = true;
            continue;
        }
        if (c < u'0' || c > u'9' || digits > 30)
            return std::nullopt;
        numerator = numerator * 10 + (c.unicode() - u'0');
        if (comma)
            denominator *= 10;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    const Rational r = reduced(numerator, denominator);
    if (!r.isValid())
        return std::nullopt;
    return r;
}

bool Rational::hasDecimals(int places) const
{
    return isValid() && power10(places) % m_denominator == 0;
}

std::optional<qint64> Rational::hundredths() const
{
    if (!hasDecimals(2))
        return std::nullopt;
    return qint64(Wide(m_numerator) * (100 / m_denominator));
}

QString Rational::text() const
{
    if (!isValid())
        return QStringLiteral("?");
    constexpr int MostDecimals = 6;
    if (!hasDecimals(MostDecimals))
        return QString::number(m_numerator) + u'/' + QString::number(m_denominator);
    if (const auto h = hundredths())
        return (*h < 0 ? QStringLiteral("-") : QString()) + ItalianNumber::fromHundredths(*h < 0 ? -*h : *h);
    const Wide scaled = Wide(m_numerator) * (power10(MostDecimals) / m_denominator);
    const Wide magnitude = scaled < 0 ? -scaled : scaled;
    QString decimals = QString::number(qint64(magnitude % power10(MostDecimals))).rightJustified(MostDecimals, u'0');
    while (decimals.endsWith(u'0'))
        decimals.chop(1);
    return (scaled < 0 ? QStringLiteral("-") : QString()) + QString::number(qint64(magnitude / power10(MostDecimals)))
        + u',' + decimals;
}

Rational Rational::rounded(int places) const
{
    if (!isValid())
        return *this;
    const Wide scale = power10(places);
    const Wide twice = 2 * Wide(m_numerator) * scale + m_denominator; // halves up
    Wide q = twice / (2 * Wide(m_denominator));
    if (twice % (2 * Wide(m_denominator)) != 0 && twice < 0)
        --q; // floor, not towards zero
    return reduced(q, scale);
}

Rational Rational::truncated(int places) const
{
    if (!isValid())
        return *this;
    const Wide scale = power10(places);
    return reduced(Wide(m_numerator) * scale / m_denominator, scale);
}

std::optional<Rational> Rational::exactRoot(int degree) const
{
    if (!isValid() || (m_numerator < 0 && degree % 2 == 0))
        return std::nullopt;
    const bool negative = m_numerator < 0;
    const Wide n = negative ? -Wide(m_numerator) : Wide(m_numerator);
    const Wide rn = rootFloor(n, degree);
    const Wide rd = rootFloor(m_denominator, degree);
    Wide pn = 1;
    Wide pd = 1;
    for (int i = 0; i < degree; ++i) {
        pn *= rn;
        pd *= rd;
    }
    if (pn != n || pd != m_denominator)
        return std::nullopt;
    return reduced(negative ? -rn : rn, rd);
}

std::optional<Wide> RationalArithmetic::scaledRootFloor(const Rational &r, int places, bool *roundsUp)
{
    if (!r.isValid() || r.m_numerator < 0)
        return std::nullopt;
    const qint64 m_numerator = r.m_numerator;
    const qint64 m_denominator = r.m_denominator;
    // √(n/d) · 10^k = √(n · 10^2k / d); its floor is the floor of the root
    // of the floor of what is under it.
    const Wide under = Wide(m_numerator) * power10(2 * places);
    const Wide s = rootFloor(under / m_denominator, 2);
    if (roundsUp) // (s + 1/2)² <= n · 10^2k / d
        *roundsUp = (2 * s + 1) * (2 * s + 1) * Wide(m_denominator) <= 4 * under;
    return s;
}

Rational Rational::roundedSquareRoot(int places) const
{
    bool up = false;
    const std::optional<Wide> s = RationalArithmetic::scaledRootFloor(*this, places, &up);
    return s ? reduced(*s + (up ? 1 : 0), power10(places)) : invalid();
}

Rational Rational::truncatedSquareRoot(int places) const
{
    const std::optional<Wide> s = RationalArithmetic::scaledRootFloor(*this, places);
    return s ? reduced(*s, power10(places)) : invalid();
}

Rational operator+(Rational a, Rational b)
{
    if (!a.isValid() || !b.isValid())
        return Rational::invalid();
    return reduced(Wide(a.m_numerator) * b.m_denominator + Wide(b.m_numerator) * a.m_denominator,
                             Wide(a.m_denominator) * b.m_denominator);
}

Rational operator-(Rational a, Rational b)
{
    return a + Rational(-b.m_numerator, b.m_denominator, Rational::Raw);
}

Rational operator*(Rational a, Rational b)
{
    if (!a.isValid() || !b.isValid())
        return Rational::invalid();
    return reduced(Wide(a.m_numerator) * b.m_numerator, Wide(a.m_denominator) * b.m_denominator);
}

Rational operator/(Rational a, Rational b)
{
    if (!a.isValid() || !b.isValid() || b.m_numerator == 0)
        return Rational::invalid();
    return reduced(Wide(a.m_numerator) * b.m_denominator, Wide(a.m_denominator) * b.m_numerator);
}

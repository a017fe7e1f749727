// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Exact.h"

#include "common/ItalianNumber.h"

#include <cmath>
#include <numeric>

Exact Exact::fraction(qint64 numerator, qint64 denominator)
{
    if (denominator == 0)
        return Exact(0, 0, true);
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const qint64 common = std::gcd(numerator, denominator);
    return Exact(numerator / common, denominator / common, true);
}

std::optional<qint64> Exact::hundredths() const
{
    if (!isValid() || 100 % m_denominator != 0)
        return std::nullopt;
    return m_numerator * (100 / m_denominator);
}

QString Exact::text() const
{
    const std::optional<qint64> h = hundredths();
    return h && *h >= 0 ? ItalianNumber::fromHundredths(*h) : QString();
}

Exact operator+(Exact a, Exact b)
{
    if (!a.isValid() || !b.isValid())
        return Exact::invalid();
    return Exact::fraction(a.m_numerator * b.m_denominator + b.m_numerator * a.m_denominator,
                           a.m_denominator * b.m_denominator);
}

Exact operator-(Exact a, Exact b)
{
    return a + Exact::fraction(-b.m_numerator, b.m_denominator);
}

Exact operator*(Exact a, Exact b)
{
    if (!a.isValid() || !b.isValid())
        return Exact::invalid();
    return Exact::fraction(a.m_numerator * b.m_numerator, a.m_denominator * b.m_denominator);
}

Exact operator/(Exact a, Exact b)
{
    if (!a.isValid() || !b.isValid() || b.m_numerator == 0)
        return Exact::invalid();
    return Exact::fraction(a.m_numerator * b.m_denominator, a.m_denominator * b.m_numerator);
}

bool operator==(Exact a, Exact b)
{
    return a.m_numerator == b.m_numerator && a.m_denominator == b.m_denominator;
}

Exact root(Exact square)
{
    if (!square.isWhole() || square.m_numerator < 0)
        return Exact::invalid();
    const auto guess = qint64(std::llround(std::sqrt(double(square.m_numerator))));
    return guess * guess == square.m_numerator ? Exact(guess) : Exact::invalid();
}

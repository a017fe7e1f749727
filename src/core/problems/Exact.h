// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// A number worked out exactly, as a fraction of whole numbers. A problem's
// values come out of roots, thirds and products of decimals; one is shown,
// and an answer compared with it, only as a whole number of hundredths, so
// nothing on the way may pass through a float. A root that is not whole and
// a division by zero give an invalid number, which stays invalid.
class Exact
{
public:
    constexpr Exact(qint64 whole = 0) : m_numerator(whole) {}

    static Exact fraction(qint64 numerator, qint64 denominator);
    static Exact fromHundredths(qint64 hundredths) { return fraction(hundredths, 100); }
    static Exact invalid() { return fraction(0, 0); }

    bool isValid() const { return m_denominator != 0; }
    bool isWhole() const { return isValid() && m_denominator == 1; }
    // Exactly so many hundredths, or nothing when the number has more decimals.
    std::optional<qint64> hundredths() const;
    // "4,8", "10", "376,32"; empty when it is not a whole number of hundredths.
    QString text() const;

    friend Exact operator+(Exact a, Exact b);
    friend Exact operator-(Exact a, Exact b);
    friend Exact operator*(Exact a, Exact b);
    friend Exact operator/(Exact a, Exact b);
    friend bool operator==(Exact a, Exact b);
    friend bool operator!=(Exact a, Exact b) { return !(a == b); }

    // The whole square root of a whole square, as a right triangle of whole
    // sides gives it; invalid otherwise.
    friend Exact root(Exact square);

private:
    constexpr Exact(qint64 numerator, qint64 denominator, bool)
        : m_numerator(numerator), m_denominator(denominator) {}

    qint64 m_numerator = 0;
    qint64 m_denominator = 1;
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Rational.h"

#include <QString>

// A quantity of school geometry, exactly: a plain part and a part that
// multiplies π, p + q·π. The round solids give q·π alone, a cube drilled by
// a cylinder both. π is never replaced by a decimal here: 3,14 comes in
// only where a pupil's answer or the worked result is written with it.
// Anything outside this form (π·π, a division by a value with a plain and a
// π part) is invalid: no school formula gives it.
class Value
{
public:
    constexpr Value() = default;
    template <typename Whole, std::enable_if_t<std::is_integral_v<Whole>, int> = 0>
    constexpr Value(Whole whole) : m_plain(whole) {}
    Value(Rational plain, Rational pi = 0) : m_plain(plain), m_pi(pi) {}
    static Value timesPi(Rational factor) { return Value(0, factor); }
    static Value invalid() { return Value(Rational::invalid()); }

    bool isValid() const { return m_plain.isValid() && m_pi.isValid(); }
    bool hasPi() const { return !m_pi.isZero(); }
    bool isPlain() const { return m_pi.isZero(); }
    bool isPiMultiple() const { return m_plain.isZero() && hasPi(); } // q·π alone
    Rational plain() const { return m_plain; }
    Rational pi() const { return m_pi; }

    // With π = 3,14, exactly.
    Rational withSchoolPi() const;

    // "45π", "12,5", "6 + 2π", "4/3π" as a step of a worked chain writes it.
    QString text() const;

    friend Value operator+(const Value &a, const Value &b);
    friend Value operator-(const Value &a, const Value &b);
    friend Value operator*(const Value &a, const Value &b);
    friend Value operator/(const Value &a, const Value &b);
    friend bool operator==(const Value &a, const Value &b) { return a.m_plain == b.m_plain && a.m_pi == b.m_pi; }
    friend bool operator!=(const Value &a, const Value &b) { return !(a == b); }

private:
    Rational m_plain;
    Rational m_pi;
};

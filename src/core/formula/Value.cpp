// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Value.h"

#include "PiApproximation.h"

Rational Value::withSchoolPi() const
{
    return m_plain + m_pi * PiApproximation::school();
}

QString Value::text() const
{
    if (!isValid())
        return QStringLiteral("?");
    const QString pi = m_pi.text() + u'π';
    if (isPlain())
        return m_plain.text();
    if (m_plain.isZero())
        return pi;
    if (m_pi.isNegative())
        return m_plain.text() + QStringLiteral(" − ") + (Rational(0) - m_pi).text() + u'π';
    return m_plain.text() + QStringLiteral(" + ") + pi;
}

Value operator+(const Value &a, const Value &b)
{
    return Value(a.m_plain + b.m_plain, a.m_pi + b.m_pi);
}

Value operator-(const Value &a, const Value &b)
{
    return Value(a.m_plain - b.m_plain, a.m_pi - b.m_pi);
}

Value operator*(const Value &a, const Value &b)
{
    if (a.hasPi() && b.hasPi())
        return Value::invalid();
    return Value(a.m_plain * b.m_plain, a.m_plain * b.m_pi + a.m_pi * b.m_plain);
}

Value operator/(const Value &a, const Value &b)
{
    if (b.isPlain())
        return Value(a.m_plain / b.m_plain, a.m_pi / b.m_plain);
    // q·π : q'·π is plain; a plain part on either side has no school meaning.
    if (b.isPiMultiple() && a.isPiMultiple())
        return Value(a.m_pi / b.m_pi);
    return Value::invalid();
}

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Working.h"

#include "common/ItalianNumber.h"
#include "common/NumberFormat.h"
#include "common/PiApproximation.h"

#include <QStringList>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace Working {

QString n(double value)
{
    if (value == std::floor(value))
        return QString::number(qint64(value));
    return NumberFormat::format(value, u"###.#");
}

// Built by hand, since QString::arg would read "%1²" as a twelfth argument.
QString squared(double value)
{
    return n(value) + u"²"_s;
}

QString rootOfSquares(const Measures &m)
{
    return u"√("_s + squared(m.a) + u" + "_s + squared(m.b) + u" + "_s + squared(m.c) + u")"_s;
}

QString equals(std::initializer_list<QStringView> parts)
{
    QString joined;
    for (QStringView part : parts) {
        if (!joined.isEmpty())
            joined += u" = "_s;
        joined += part;
    }
    return joined;
}

QString diagonal(QStringView formula, const Measures &m)
{
    return equals({formula, rootOfSquares(m), u"√"_s + n(Solid::diagonalSquared(m))}) + u" ≈ "_s
        + n(Solid::spaceDiagonal(m)) + u" cm"_s;
}

QString timesPi(int factor)
{
    return n(factor) + u"π"_s;
}

QString piResult(int factor, QStringView unit)
{
    const QString approximately = ItalianNumber::fromHundredths(PiApproximation::hundredthsOf(factor));
    const QString u = unit.toString();
    return timesPi(factor) + u' ' + u + u" ≈ "_s + approximately + u' ' + u;
}

QString given(QStringView quantity, int value, QStringView unit)
{
    return quantity.toString() + u" = "_s + n(value) + u' ' + unit.toString();
}

QString givenTimesPi(QStringView quantity, int factor, QStringView unit)
{
    return quantity.toString() + u" = "_s + timesPi(factor) + u' ' + unit.toString();
}

} // namespace Working

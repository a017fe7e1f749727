// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Working.h"

#include "common/NumberFormat.h"

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

QString equals(std::initializer_list<QString> parts)
{
    return QStringList(parts).join(QStringLiteral(" = "));
}

QString diagonal(const QString &formula, const Measures &m)
{
    return equals({formula, rootOfSquares(m), u"√"_s + n(Solid::diagonalSquared(m))}) + u" ≈ "_s
        + n(Solid::spaceDiagonal(m)) + u" cm"_s;
}

} // namespace Working

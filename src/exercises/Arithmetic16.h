// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <cmath>
#include <limits>

// Sums and products of the measures are 16-bit whole numbers; the ranges keep
// them far inside, and a debug build checks that they stay there.
inline qint16 to16(int value)
{
    Q_ASSERT(value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max());
    return qint16(value);
}

// The space diagonal: squares and root in double precision, rounded to one decimal.
inline float spaceDiagonal(qint16 a, qint16 b, qint16 c)
{
    const double squares = double(a) * a + double(b) * b + double(c) * c;
    return float(std::round(std::sqrt(squares) * 10.0) / 10.0);
}

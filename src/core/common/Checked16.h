// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <limits>
#include <optional>

// The counters' 16-bit arithmetic: reports overflow instead of wrapping.
inline std::optional<qint16> checkedAdd16(qint16 a, qint16 b)
{
    const int sum = int(a) + int(b);
    if (sum > std::numeric_limits<qint16>::max() || sum < std::numeric_limits<qint16>::min())
        return std::nullopt;
    return qint16(sum);
}

// Sums and products of the measures are 16-bit whole numbers; the ranges keep
// them far inside, and a debug build checks that they stay there.
inline qint16 to16(int value)
{
    Q_ASSERT(value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max());
    return qint16(value);
}

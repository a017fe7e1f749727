// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <limits>
#include <optional>

// 16-bit arithmetic that reports overflow instead of wrapping.
inline std::optional<qint16> checkedAdd16(qint16 a, qint16 b)
{
    const int sum = int(a) + int(b);
    if (sum > std::numeric_limits<qint16>::max() || sum < std::numeric_limits<qint16>::min())
        return std::nullopt;
    return qint16(sum);
}

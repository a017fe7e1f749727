// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Digit patterns such as "###", "####0" and "###.##" with the Italian comma.
//   '#'  a digit shown only when significant
//   '0'  a digit always shown
//   '.'  where the decimal comma goes; it is shown even with no decimals after it
// The whole part is never cut, there are no thousands separators, and the value
// is rounded to as many decimals as the pattern has places after '.'.
namespace NumberFormat {

QString format(double value, QStringView pattern);

inline constexpr QStringView Plain3 = u"###";
inline constexpr QStringView Plain4 = u"####";
inline constexpr QStringView Count3 = u"###0";
inline constexpr QStringView Count4 = u"####0";
inline constexpr QStringView TwoDecimals = u"###.##";

} // namespace NumberFormat

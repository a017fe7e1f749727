// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// The program speaks Italian whatever the system locale is: numbers are read
// and written with the comma, never with the machine's own separator.
namespace ItalianNumber {

const QLocale &locale();

// The text as a 32-bit float, or nothing when it does not read as a number
// ("1,2,3", a lone comma, an empty text) or does not fit a float.
std::optional<float> toFloat(const QString &text);

} // namespace ItalianNumber

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

// The text as a whole number of hundredths, exactly: "141,3" is 14130. Nothing
// when it is not digits, at least one, with at most one comma after them, or
// has a non-zero digit past the hundredths.
std::optional<qint64> toHundredths(QStringView text);

// Hundredths written back as a pupil writes them: "141,3", "3768", "0,5".
QString fromHundredths(qint64 hundredths);

} // namespace ItalianNumber

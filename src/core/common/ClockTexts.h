// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTime>
#include <optional>

// The two ways an exercise window shows the time of day.
namespace ClockTexts {

// The Italian time with seconds, for the clock label: "15:04:23".
QString labelTime(QTime time);

// Hours on the 12-hour clock and minutes, for the title bar: "03:45 PM".
QString titleTime(QTime time);

// A title written by titleTime read back, or nothing when it is no such time.
std::optional<QTime> readTitleTime(const QString &title);

} // namespace ClockTexts

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClockTexts.h"

#include "ItalianNumber.h"

namespace ClockTexts {

namespace {
constexpr QStringView LabelFormat = u"HH:mm:ss";
constexpr QStringView TitleFormat = u"hh:mm AP";
} // namespace

QString labelTime(QTime time)
{
    return ItalianNumber::locale().toString(time, LabelFormat);
}

QString titleTime(QTime time)
{
    return ItalianNumber::locale().toString(time, TitleFormat);
}

std::optional<QTime> readTitleTime(const QString &title)
{
    const QTime time = ItalianNumber::locale().toTime(title, TitleFormat.toString());
    if (!time.isValid())
        return std::nullopt;
    return time;
}

} // namespace ClockTexts

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ItalianNumber.h"

#include <cmath>
#include <limits>

namespace ItalianNumber {

const QLocale &locale()
{
    static const QLocale italian = [] {
        QLocale l(QLocale::Italian, QLocale::Italy);
        l.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        return l;
    }();
    return italian;
}

std::optional<float> toFloat(const QString &text)
{
    bool ok = false;
    const double value = locale().toDouble(text, &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(value);
}

} // namespace ItalianNumber

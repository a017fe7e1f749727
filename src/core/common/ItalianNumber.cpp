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

std::optional<qint64> toHundredths(QStringView text)
{
    const qsizetype comma = text.indexOf(u',');
    const QStringView whole = comma < 0 ? text : text.left(comma);
    QStringView fraction = comma < 0 ? QStringView() : text.mid(comma + 1);
    if (whole.isEmpty())
        return std::nullopt; // "", a lone comma, ",5": no whole part written
    while (!fraction.isEmpty() && fraction.back() == u'0')
        fraction.chop(1);
    // Eighteen digits stay far inside 64 bits, hundredths included.
    if (whole.size() > 16 || fraction.size() > 2)
        return std::nullopt;
    // The whole part's digits, then the two places of hundredths.
    qint64 value = 0;
    for (qsizetype i = 0; i < whole.size() + 2; ++i) {
        const char16_t c = i < whole.size() ? whole[i].unicode()
            : i - whole.size() < fraction.size() ? fraction[i - whole.size()].unicode()
                                                 : u'0';
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

QString fromHundredths(qint64 hundredths)
{
    QString text = QString::number(hundredths / 100);
    const qint64 cents = hundredths % 100;
    if (cents == 0)
        return text;
    QString fraction = QStringLiteral("%1").arg(cents, 2, 10, QLatin1Char('0'));
    if (fraction.endsWith(u'0'))
        fraction.chop(1);
    return text + locale().decimalPoint() + fraction;
}

} // namespace ItalianNumber

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberFormat.h"

#include "ItalianNumber.h"

#include <cmath>

namespace NumberFormat {

namespace {

struct PatternShape
{
    int wholeZeros = 0;   // '0' places before the separator: digits always shown
    bool hasSeparator = false;
    QStringView decimals; // the places after the separator, '#' or '0'
};

PatternShape shapeOf(QStringView pattern)
{
    PatternShape shape;
    const qsizetype dot = pattern.indexOf(u'.');
    const QStringView whole = dot < 0 ? pattern : pattern.left(dot);
    shape.wholeZeros = int(whole.count(u'0'));
    if (dot >= 0) {
        shape.hasSeparator = true;
        shape.decimals = pattern.mid(dot + 1);
    }
    return shape;
}

} // namespace

QString format(double value, QStringView pattern)
{
    if (!std::isfinite(value))
        return QString();

    const PatternShape shape = shapeOf(pattern);
    const int places = int(shape.decimals.size());

    // 'f' rounds the binary value to the nearest decimal with that many places.
    QString digits = QString::number(std::fabs(value), 'f', places);
    QString whole = places > 0 ? digits.left(digits.size() - places - 1) : digits;
    QString fraction = places > 0 ? digits.right(places) : QString();

    // Optional decimal places drop their trailing zeros; '0' places keep them.
    int keep = places;
    while (keep > 0 && shape.decimals.at(keep - 1) == u'#' && fraction.at(keep - 1) == u'0')
        --keep;
    fraction.truncate(keep);

    if (whole == u"0")
        whole.clear();
    if (whole.size() < shape.wholeZeros)
        whole = QString(shape.wholeZeros - whole.size(), u'0') + whole;

    QString text = whole;
    if (shape.hasSeparator)
        text += ItalianNumber::locale().decimalPoint() + fraction;

    const bool isZero = whole.count(u'0') == whole.size() && fraction.count(u'0') == fraction.size();
    if (value < 0 && !isZero)
        text.prepend(u'-');
    return text;
}

} // namespace NumberFormat

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

// Window designs measure in twips: 1440 to the inch, 15 to a pixel at 96 dpi.
inline constexpr int TwipsPerPixel = 15;

inline constexpr int toPixels(int twips)
{
    return (twips + (twips >= 0 ? TwipsPerPixel / 2 : -TwipsPerPixel / 2)) / TwipsPerPixel;
}

// A rectangle measured in twips, in pixels.
inline QRect toPixels(const QRect &twips)
{
    return QRect(toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()), toPixels(twips.height()));
}

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

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <cmath>

// The measures of a solid on a rectangular base: width a, depth b, height c.
// The cube is the box with a = b = c, the prism window's solid is the box
// with its height called h.
struct Measures
{
    qint16 a = 0;
    qint16 b = 0;
    qint16 c = 0;
};

// The formulas, written once for the generators and the worked solutions.
namespace Solid {

inline int volume(const Measures &m) { return m.a * m.b * m.c; }
inline int baseArea(const Measures &m) { return m.a * m.b; }
inline int halfPerimeter(const Measures &m) { return m.a + m.b; }
inline int basePerimeter(const Measures &m) { return 2 * halfPerimeter(m); }
inline int lateral(const Measures &m) { return basePerimeter(m) * m.c; }
inline int total(const Measures &m) { return lateral(m) + 2 * baseArea(m); }
inline int diagonalSquared(const Measures &m) { return m.a * m.a + m.b * m.b + m.c * m.c; }

// The space diagonal: root in double precision, rounded to one decimal.
inline float spaceDiagonal(const Measures &m)
{
    return float(std::round(std::sqrt(double(diagonalSquared(m))) * 10.0) / 10.0);
}

} // namespace Solid

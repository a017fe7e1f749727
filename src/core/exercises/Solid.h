// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <cmath>

// The measures written on a solid's figure, one for each of its four places:
// Lbla shows a, lblb b, Lblalt c and lblc d. The box's are its width, depth
// and height (the cube's all its one edge); every other solid says in its
// own table which of its measures stands in which place.
struct Measures
{
    qint16 a = 0;
    qint16 b = 0;
    qint16 c = 0;
    qint16 d = 0;
};

// The box's formulas, written once for the generators and the worked solutions.
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

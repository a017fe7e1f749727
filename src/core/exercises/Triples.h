// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <iterator>
#include <utility>

// Right triangles with whole sides, the ones a school book uses: legs p < q,
// hypotenuse r, primitive or a small multiple. The prism's base and the
// right triangles inside the pyramid and the cone are drawn from them.
namespace Triples {

struct Triple
{
    qint16 p;
    qint16 q;
    qint16 r;
};

inline constexpr Triple All[] = {
    {3, 4, 5}, {6, 8, 10}, {5, 12, 13}, {9, 12, 15}, {8, 15, 17}, {12, 16, 20}, {7, 24, 25},
};
inline constexpr int Count = int(std::size(All));

// Turned about its hypotenuse, a right triangle gives two cones whose
// radius, the height on the hypotenuse, has two decimals at most only where
// the hypotenuse divides the legs' product by 100: the multiples of (3, 4, 5)
// and (7, 24, 25). Their volume is whole, so that the weight can follow it,
// only for (15, 20, 25), the last.
inline constexpr Triple AboutHypotenuse[] = {{3, 4, 5}, {6, 8, 10}, {9, 12, 15}, {12, 16, 20}, {7, 24, 25}, {15, 20, 25}};

// The right triangles whose first leg is a multiple of 3, so that a
// hemisphere of that radius has a volume of two decimals at most.
inline constexpr Triple FirstLegOfThree[] = {{3, 4, 5},   {6, 8, 10},  {12, 5, 13},  {9, 12, 15},
                                             {12, 9, 15}, {15, 8, 17}, {12, 16, 20}, {24, 7, 25}};

// A pyramid on a rhombus: the half diagonals p < q (a multiple of (3, 4, 5),
// so that the radius of the circle inscribed in the base, p · q : (p² + q²)^½,
// has two decimals at most) and a whole height r whose apothem, taken over
// that radius, has two decimals at most too.
inline constexpr Triple RhombusPyramids[] = {
    {3, 4, 1},  {3, 4, 7},   {6, 8, 2},    {6, 8, 9},    {6, 8, 14},   {9, 12, 3},  {9, 12, 21},
    {12, 16, 4}, {12, 16, 18}, {12, 16, 28}, {15, 20, 5}, {15, 20, 9}, {15, 20, 16}, {15, 20, 35},
};

// The triple numbered from 1, its legs in turn order: (p, q), or (q, p)
// when turned.
inline Triple nth(int number, bool turned)
{
    Q_ASSERT(number >= 1 && number <= Count);
    Triple t = All[number - 1];
    if (turned)
        std::swap(t.p, t.q);
    return t;
}

} // namespace Triples

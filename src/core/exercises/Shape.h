// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Triples.h"
#include "formula/Formula.h"

#include <array>

// How the draws become a figure's measures, as data: the draws are n1, n2
// and n3; where a right triangle of whole sides is drawn (n1 picks it, n2 or
// n3 says whether its legs are turned, or they are taken as listed), t1 and t2 are its legs and t3 its
// hypotenuse; then each measure is a formula of those: "l = 2 · t1".
struct Shape
{
    enum TripleDraw : quint8 { NoTriple, TurnedBySecond, TurnedByThird, AsListed };

    static constexpr int MostMeasures = 6;

    TripleDraw triple = NoTriple;
    const Triples::Triple *triples = Triples::All; // the list n1 numbers from 1
    std::array<const FormulaEntry *, MostMeasures> measures = {};

    // The draws, the triangle's sides and the measures by their symbols.
    Symbols symbols(int n1, int n2, int n3) const;
    // The measures' symbols, in their order.
    QStringList measureSymbols() const;
};

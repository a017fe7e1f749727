// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Shape.h"

#include <utility>

Symbols Shape::symbols(int n1, int n2, int n3) const
{
    Symbols s{{QStringLiteral("n1"), Value(n1)}, {QStringLiteral("n2"), Value(n2)}, {QStringLiteral("n3"), Value(n3)}};
    if (triple != NoTriple) {
        Triples::Triple t = triples[n1 - 1];
        if (triple != AsListed && (triple == TurnedBySecond ? n2 : n3) != 0)
            std::swap(t.p, t.q);
        s.insert(QStringLiteral("t1"), Value(t.p));
        s.insert(QStringLiteral("t2"), Value(t.q));
        s.insert(QStringLiteral("t3"), Value(t.r));
    }
    for (const FormulaEntry *measure : measures) {
        if (measure) {
            const Formula f(*measure);
            s.insert(f.symbol(), f.evaluate(s));
        }
    }
    return s;
}

QStringList Shape::measureSymbols() const
{
    QStringList out;
    for (const FormulaEntry *measure : measures) {
        if (measure)
            out << measure->symbol();
    }
    return out;
}

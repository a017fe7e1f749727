// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problems/ProblemSet.h"

#include <QList>

// Every way a problem of these draws may be worded, each once: without a
// material, its pair by value and by every relation the draws allow, either
// measure as x where a ratio gives it; with a material, the weight in g and
// in kg (a relation does not touch the weight). A wording the draws do not
// allow would make the same problem again.
inline QList<Wording> everyWording(const ProblemSet &set, int kind, int first, int second, int third, int material)
{
    if (material >= 0)
        return {Wording{Relation::ByValue, false, false}, Wording{Relation::ByValue, false, true}};
    QList<Wording> out{Wording{}};
    for (bool secondIsX : {false, true}) {
        for (Relation relation : set.relationsFor(kind, first, second, third, secondIsX)) {
            if (!secondIsX || relation != Relation::SumAndDifference)
                out << Wording{relation, secondIsX, false};
        }
    }
    return out;
}

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoxExercises.h"

#include "Quantities.h"
#include "Working.h"
#include "common/Checked16.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;
using Working::equals;
using Working::n;

namespace BoxExercises {

namespace {

// The box's own given-data line.
QString perimeterGiven(const Measures &m)
{
    return u"Perimetro= "_s + QString::number(to16(Solid::basePerimeter(m))) + u" cm"_s;
}

// The worked solutions.
QString abh(const Measures &m) { return QStringLiteral("%1·%2·%3").arg(m.a).arg(m.b).arg(m.c); }
QString lateralNumbers(const Measures &m) { return QStringLiteral("2·(%1 + %2)·%3").arg(m.a).arg(m.b).arg(m.c); }

QString volumeWorked(const Measures &m)
{
    return equals({u"V = a·b·c"_s, abh(m), n(Solid::volume(m)) + u" cmc"_s});
}
QString lateralWorked(const Measures &m)
{
    return equals({u"Sl = 2·(a + b)·c"_s, lateralNumbers(m), n(Solid::lateral(m)) + u" cmq"_s});
}
QString totalWorked(const Measures &m)
{
    return equals({u"St = 2·(a + b)·c + 2·a·b"_s,
                   lateralNumbers(m) + QStringLiteral(" + 2·%1·%2").arg(m.a).arg(m.b),
                   n(Solid::total(m)) + u" cmq"_s});
}
QString diagonalWorked(const Measures &m)
{
    return Working::diagonal(u"d = √(a² + b² + c²)"_s, m);
}
QString heightWorked(const Measures &m)
{
    return equals({u"c = Sl : (2·(a + b))"_s,
                   QStringLiteral("%1 : %2").arg(Solid::lateral(m)).arg(Solid::basePerimeter(m)),
                   n(m.c) + u" cm"_s});
}
QString widthWorked(const Measures &m)
{
    return equals({u"a = p : 2 − b"_s, QStringLiteral("%1 : 2 − %2").arg(Solid::basePerimeter(m)).arg(m.b),
                   n(m.a) + u" cm"_s});
}
QString depthWorked(const Measures &m)
{
    return equals({u"b = p : 2 − a"_s, QStringLiteral("%1 : 2 − %2").arg(Solid::basePerimeter(m)).arg(m.a),
                   n(m.b) + u" cm"_s});
}

constexpr ExerciseKind Kinds[] = {
    // a       d       question               X       given           expected         worked solution
    {{4, 9}, {1, 3}, u"Volume",              NoPlace, nullptr,        Asked::volume,   volumeWorked},
    {{3, 8}, {1, 2}, u"Superficie laterale", NoPlace, nullptr,        Asked::lateral,  lateralWorked},
    {{3, 8}, {1, 2}, u"Superficie totale",   NoPlace, nullptr,        Asked::total,    totalWorked},
    {{3, 8}, {1, 2}, u"Diagonale",           NoPlace, nullptr,        Asked::diagonal, diagonalWorked, nullptr, Diagonal},
    {{3, 8}, {1, 2}, u"Altezza",             PlaceC,  Given::lateral, Asked::height,   heightWorked},
    {{4, 9}, {1, 2}, u"Dimensione a",        PlaceA,  perimeterGiven, Asked::width,    widthWorked},
    {{4, 9}, {1, 2}, u"Dimensione b",        PlaceB,  perimeterGiven, Asked::depth,    depthWorked},
};
static_assert(std::size(Kinds) == KindCount);

constexpr LikelyMistake Mistakes[] = {
    {Solid::volume, u"Hai calcolato il volume."},
    {Solid::lateral, u"Hai calcolato la superficie laterale."},
    {Solid::total, u"Hai calcolato la superficie totale."},
    {Solid::baseArea, u"Hai calcolato l'area di base."},
    {Solid::basePerimeter, u"Hai calcolato il perimetro di base."},
    {Solid::halfPerimeter, u"Hai calcolato il semiperimetro di base."},
};

Measures box(qint16 a, qint16 d, qint16 t) { return {a, to16(a - d), to16(a - t + d + 1)}; }

constexpr ExerciseSet Box{Kinds, KindCount, ExerciseSet::FirstStepAndTurn, PlacesABC, box, Mistakes,
                          int(std::size(Mistakes))};

} // namespace

const ExerciseSet &set()
{
    return Box;
}

} // namespace BoxExercises

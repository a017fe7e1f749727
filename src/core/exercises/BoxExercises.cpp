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

// The formulas, each written once: the worked solutions begin with them and
// the formula sheet lists them.
constexpr QStringView Perimeter = u"2p = 2·(a + b)";
constexpr QStringView HalfPerimeter = u"p = 2p : 2";
constexpr QStringView BaseArea = u"Ab = a·b";
constexpr QStringView Lateral = u"Sl = 2·(a + b)·c";
constexpr QStringView Total = u"St = 2·(a + b)·c + 2·a·b";
constexpr QStringView Volume = u"V = a·b·c";
constexpr QStringView SpaceDiagonal = u"d = √(a² + b² + c²)";
constexpr QStringView Height = u"c = Sl : (2·(a + b))";
constexpr QStringView Width = u"a = p − b";
constexpr QStringView Depth = u"b = p − a";

FormulaSheet sheet()
{
    FormulaSheet f;
    f.title = u"Parallelepipedo"_s;
    f.direct = Formulas::list({Perimeter, HalfPerimeter, BaseArea, Lateral, Total, Volume});
    f.inverse = Formulas::list({Height, Width, Depth});
    f.pythagoras = Formulas::list({SpaceDiagonal});
    f.legend = QList<FormulaSheet::Symbol>{{u"a"_s, u"prima dimensione di base"_s},
                                           {u"b"_s, u"seconda dimensione di base"_s},
                                           {u"c"_s, u"altezza"_s}}
        + Formulas::legend({u"2p"_s, u"p"_s, u"Ab"_s, u"Sl"_s, u"St"_s, u"V"_s, u"d"_s});
    return f;
}

// The worked solutions.
QString abh(const Measures &m) { return QStringLiteral("%1·%2·%3").arg(m.a).arg(m.b).arg(m.c); }
QString lateralNumbers(const Measures &m) { return QStringLiteral("2·(%1 + %2)·%3").arg(m.a).arg(m.b).arg(m.c); }

QString volumeWorked(const Measures &m)
{
    return equals({Volume, abh(m), n(Solid::volume(m)) + u" cmc"_s});
}
QString lateralWorked(const Measures &m)
{
    return equals({Lateral, lateralNumbers(m), n(Solid::lateral(m)) + u" cmq"_s});
}
QString totalWorked(const Measures &m)
{
    return equals({Total, lateralNumbers(m) + QStringLiteral(" + 2·%1·%2").arg(m.a).arg(m.b),
                   n(Solid::total(m)) + u" cmq"_s});
}
QString diagonalWorked(const Measures &m)
{
    return Working::diagonal(SpaceDiagonal, m);
}
QString heightWorked(const Measures &m)
{
    return equals({Height, QStringLiteral("%1 : %2").arg(Solid::lateral(m)).arg(Solid::basePerimeter(m)),
                   n(m.c) + u" cm"_s});
}
// The given perimeter is 2p: its half first, then the dimension.
QString halfPerimeterWorked(const Measures &m)
{
    return equals({HalfPerimeter, QStringLiteral("%1 : 2").arg(Solid::basePerimeter(m)),
                   n(Solid::halfPerimeter(m)) + u" cm"_s});
}
QString widthWorked(const Measures &m)
{
    return halfPerimeterWorked(m) + u", "_s
        + equals({Width, QStringLiteral("%1 − %2").arg(Solid::halfPerimeter(m)).arg(m.b), n(m.a) + u" cm"_s});
}
QString depthWorked(const Measures &m)
{
    return halfPerimeterWorked(m) + u", "_s
        + equals({Depth, QStringLiteral("%1 − %2").arg(Solid::halfPerimeter(m)).arg(m.a), n(m.b) + u" cm"_s});
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
                          int(std::size(Mistakes)), sheet,
    {u"a", u"b", u"c", nullptr}};

} // namespace

const ExerciseSet &set()
{
    return Box;
}

} // namespace BoxExercises

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CubeExercises.h"

#include "Quantities.h"
#include "Working.h"
#include "common/Checked16.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;
using Working::equals;
using Working::n;

namespace CubeExercises {

namespace {

QString l(const Measures &m) { return n(m.a); }

// The cube's own given-data lines; the edge is its width.
QString perimeterGiven(const Measures &m)
{
    return u"Perimetro di base = "_s + QString::number(to16(Solid::basePerimeter(m))) + u" cm"_s;
}
QString volumeGiven(const Measures &m)
{
    return u"Volume = "_s + QString::number(to16(Solid::volume(m))) + u" cmc"_s;
}

constexpr auto edge = Asked::width;

// The formulas, each written once: the worked solutions begin with them and
// the formula sheet lists them.
constexpr QStringView Perimeter = u"2p = 4·l";
constexpr QStringView BaseArea = u"Ab = l²";
constexpr QStringView Lateral = u"Sl = 4·l²";
constexpr QStringView Total = u"St = 6·l²";
constexpr QStringView Volume = u"V = l³";
constexpr QStringView SpaceDiagonal = u"d = l·√3";
constexpr QStringView EdgeFromLateral = u"l = √(Sl : 4)";
constexpr QStringView EdgeFromVolume = u"l = ∛V";
constexpr QStringView EdgeFromPerimeter = u"l = 2p : 4";

FormulaSheet sheet()
{
    FormulaSheet f;
    f.title = u"Cubo"_s;
    f.direct = Formulas::list({Perimeter, BaseArea, Lateral, Total, Volume});
    f.inverse = Formulas::list({EdgeFromPerimeter, EdgeFromLateral, EdgeFromVolume});
    f.pythagoras = Formulas::list({SpaceDiagonal});
    f.legend = QList<FormulaSheet::Symbol>{{u"l"_s, u"spigolo"_s}} + Formulas::legend({u"2p"_s, u"Ab"_s, u"Sl"_s, u"St"_s, u"V"_s, u"d"_s});
    return f;
}

// The worked solutions.
QString volumeWorked(const Measures &m)
{
    return equals({Volume, l(m) + u"³"_s, n(Solid::volume(m)) + u" cmc"_s});
}
QString lateralWorked(const Measures &m)
{
    return equals({Lateral, u"4·"_s + Working::squared(m.a), n(Solid::lateral(m)) + u" cmq"_s});
}
QString totalWorked(const Measures &m)
{
    return equals({Total, u"6·"_s + Working::squared(m.a), n(Solid::total(m)) + u" cmq"_s});
}
QString diagonalWorked(const Measures &m)
{
    return Working::diagonal(SpaceDiagonal, m);
}
QString edgeFromLateralWorked(const Measures &m)
{
    return equals({EdgeFromLateral, u"√("_s + n(Solid::lateral(m)) + u" : 4)"_s, u"√"_s + n(Solid::baseArea(m)),
                   l(m) + u" cm"_s});
}
QString edgeFromVolumeWorked(const Measures &m)
{
    return equals({EdgeFromVolume, u"∛"_s + n(Solid::volume(m)), l(m) + u" cm"_s});
}
QString edgeFromPerimeter(const Measures &m)
{
    return equals({EdgeFromPerimeter, n(Solid::basePerimeter(m)) + u" : 4"_s, l(m) + u" cm"_s}) + u", "_s;
}
QString volumeFromPerimeterWorked(const Measures &m) { return edgeFromPerimeter(m) + volumeWorked(m); }
QString lateralFromPerimeterWorked(const Measures &m) { return edgeFromPerimeter(m) + lateralWorked(m); }
QString totalFromPerimeterWorked(const Measures &m) { return edgeFromPerimeter(m) + totalWorked(m); }

constexpr ExerciseKind Kinds[] = {
    // edge     step    question               X          given           expected         worked solution
    {{4, 14}, {0, 0}, u"Volume",              NoPlace,   nullptr,        Asked::volume,   volumeWorked},
    {{1, 11}, {0, 0}, u"Superficie laterale", NoPlace,   nullptr,        Asked::lateral,  lateralWorked},
    {{1, 11}, {0, 0}, u"Superficie totale",   NoPlace,   nullptr,        Asked::total,    totalWorked},
    {{1, 10}, {0, 0}, u"Diagonale",           NoPlace,   nullptr,        Asked::diagonal, diagonalWorked, nullptr, Diagonal},
    {{1, 10}, {0, 0}, u"Spigolo AB",          PlacesABC, Given::lateral, edge,            edgeFromLateralWorked},
    {{1, 10}, {0, 0}, u"Volume",              PlacesABC, perimeterGiven, Asked::volume,   volumeFromPerimeterWorked},
    {{1, 14}, {0, 0}, u"Spigolo AB",          PlacesABC, volumeGiven,    edge,            edgeFromVolumeWorked},
    {{1, 14}, {0, 0}, u"Superficie laterale", PlacesABC, perimeterGiven, Asked::lateral,  lateralFromPerimeterWorked},
    {{1, 14}, {0, 0}, u"Superficie totale",   PlacesABC, perimeterGiven, Asked::total,    totalFromPerimeterWorked},
};
static_assert(std::size(Kinds) == KindCount);

constexpr LikelyMistake Mistakes[] = {
    {Solid::volume, u"Hai calcolato il volume."},
    {Solid::lateral, u"Hai calcolato la superficie laterale."},
    {Solid::total, u"Hai calcolato la superficie totale."},
    {Solid::baseArea, u"Hai calcolato l'area di una faccia."},
    {Solid::basePerimeter, u"Hai calcolato il perimetro di base."},
    {[](const Measures &m) { return int(m.a); }, u"Hai scritto lo spigolo."},
};

Measures cube(qint16 s, qint16, qint16) { return {s, s, s, 0}; }

constexpr ExerciseSet Cube{Kinds, KindCount, ExerciseSet::First, PlacesABC, cube, Mistakes, int(std::size(Mistakes)), sheet,
    {u"l", u"l", u"l", nullptr}};

} // namespace

const ExerciseSet &set()
{
    return Cube;
}

} // namespace CubeExercises

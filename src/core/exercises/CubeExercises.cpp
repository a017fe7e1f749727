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

QString s(const Measures &m) { return n(m.a); }

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

// The worked solutions.
QString volumeWorked(const Measures &m)
{
    return equals({u"V = s³"_s, s(m) + u"³"_s, n(Solid::volume(m)) + u" cmc"_s});
}
QString lateralWorked(const Measures &m)
{
    return equals({u"Sl = 4·s²"_s, u"4·"_s + Working::squared(m.a), n(Solid::lateral(m)) + u" cmq"_s});
}
QString totalWorked(const Measures &m)
{
    return equals({u"St = 6·s²"_s, u"6·"_s + Working::squared(m.a), n(Solid::total(m)) + u" cmq"_s});
}
QString diagonalWorked(const Measures &m)
{
    return Working::diagonal(u"d = s·√3"_s, m);
}
QString edgeFromLateralWorked(const Measures &m)
{
    return QStringLiteral("Sl = 4·s² = %1 cmq, quindi s² = %1 : 4 = %2 e s = %3 cm")
        .arg(n(Solid::lateral(m)), n(Solid::baseArea(m)), s(m));
}
QString edgeFromVolumeWorked(const Measures &m)
{
    return QStringLiteral("V = s³ = %1 cmc, quindi s = ³√%1 = %2 cm").arg(n(Solid::volume(m)), s(m));
}
QString edgeFromPerimeter(const Measures &m)
{
    return QStringLiteral("s = p : 4 = %1 : 4 = %2 cm, ").arg(n(Solid::basePerimeter(m)), s(m));
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

constexpr ExerciseSet Cube{Kinds, KindCount, ExerciseSet::First, PlacesABC, cube, Mistakes, int(std::size(Mistakes))};

} // namespace

const ExerciseSet &set()
{
    return Cube;
}

} // namespace CubeExercises

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CylinderExercises.h"

#include "Quantities.h"
#include "RoundSolids.h"
#include "Working.h"
#include "common/Checked16.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;
using Working::equals;
using Working::n;
using Working::piResult;
using Working::squared;
using Working::timesPi;

namespace CylinderExercises {

namespace {

// The places of the figure: the radius on Lbla, the height on Lblalt.
int r(const Measures &m) { return m.a; }
int h(const Measures &m) { return m.c; }

// Each quantity as the number that multiplies π.
int volume(const Measures &m) { return RoundSolids::cylinderVolume(r(m), h(m)); }
int lateral(const Measures &m) { return RoundSolids::cylinderLateral(r(m), h(m)); }
int total(const Measures &m) { return lateral(m) + 2 * RoundSolids::circle(r(m)); }

QString volumeGiven(const Measures &m) { return Working::givenTimesPi(u"Volume", volume(m), u"cmc"); }
QString lateralGiven(const Measures &m) { return Working::givenTimesPi(u"Superficie laterale", lateral(m), u"cmq"); }

// The formulas, each written once: the worked solutions begin with them and
// the formula sheet lists them.
constexpr QStringView Circumference = u"2p = 2 · π · r";
constexpr QStringView BaseArea = u"Ab = π · r²";
constexpr QStringView Lateral = u"Sl = 2 · π · r · h";
constexpr QStringView Total = u"St = 2 · π · r · (r + h)";
constexpr QStringView Volume = u"V = π · r² · h";
constexpr QStringView HeightFromVolume = u"h = V : (π · r²)";
constexpr QStringView RadiusFromLateral = u"r = Sl : (2 · π · h)";

FormulaSheet sheet()
{
    FormulaSheet f;
    f.title = u"Cilindro"_s;
    f.direct = Formulas::list({Circumference, BaseArea, Lateral, Total, Volume});
    f.inverse = Formulas::list({HeightFromVolume, RadiusFromLateral});
    f.notes = QStringList{Formulas::piNote()};
    f.legend = Formulas::legend({u"r"_s, u"h"_s, u"2p"_s, u"Ab"_s, u"Sl"_s, u"St"_s, u"V"_s, u"π"_s});
    return f;
}

QString volumeWorked(const Measures &m)
{
    return equals({Volume, u"π · "_s + squared(r(m)) + u" · "_s + n(h(m)), piResult(volume(m), u"cmc")});
}
QString lateralWorked(const Measures &m)
{
    return equals({Lateral, QStringLiteral("2 · π · %1 · %2").arg(r(m)).arg(h(m)),
                   piResult(lateral(m), u"cmq")});
}
QString totalWorked(const Measures &m)
{
    return equals({Total,
                   QStringLiteral("2 · π · %1 · (%1 + %2)").arg(r(m)).arg(h(m)), piResult(total(m), u"cmq")});
}
QString heightWorked(const Measures &m)
{
    return equals({HeightFromVolume, timesPi(volume(m)) + u" : (π · "_s + squared(r(m)) + u')',
                   QStringLiteral("%1 : %2").arg(volume(m)).arg(r(m) * r(m)), n(h(m)) + u" cm"_s});
}
QString radiusWorked(const Measures &m)
{
    return equals({RadiusFromLateral, timesPi(lateral(m)) + QStringLiteral(" : (2 · π · %1)").arg(h(m)),
                   QStringLiteral("%1 : %2").arg(lateral(m)).arg(2 * h(m)), n(r(m)) + u" cm"_s});
}

constexpr DrawRange Radius{1, 10};
constexpr DrawRange Height{1, 12};

constexpr ExerciseKind Kinds[] = {
    // r     h       question                X        given         expected            worked solution unit   traits
    {Radius, Height, u"Volume",              NoPlace, nullptr,      Asked::of<volume>,  volumeWorked,  u"cmc", TimesPi},
    {Radius, Height, u"Superficie laterale", NoPlace, nullptr,      Asked::of<lateral>, lateralWorked, u"cmq", TimesPi},
    {Radius, Height, u"Superficie totale",   NoPlace, nullptr,      Asked::of<total>,   totalWorked,   u"cmq", TimesPi},
    {Radius, Height, u"Altezza",             PlaceC,  volumeGiven,  Asked::of<h>,       heightWorked,  u"cm",  PiGiven},
    {Radius, Height, u"Raggio",              PlaceA,  lateralGiven, Asked::of<r>,       radiusWorked,  u"cm",  PiGiven},
};
static_assert(std::size(Kinds) == KindCount);

constexpr LikelyMistake Mistakes[] = {
    {[](const Measures &m) { return 4 * r(m) * r(m) * h(m); }, u"Hai usato il diametro al posto del raggio."},
    {[](const Measures &m) { return 4 * r(m) * h(m); }, u"Hai usato il diametro al posto del raggio."},
    {[](const Measures &m) { return r(m) * h(m); }, u"Non hai elevato il raggio al quadrato."},
    {[](const Measures &m) { return 2 * r(m); }, u"Hai trovato il diametro: il raggio è la metà.", kinds({5})},
    {[](const Measures &m) { return r(m) * (2 * h(m) + r(m)); }, u"Hai contato una base sola: le basi sono due."},
    {lateral, u"Hai calcolato la superficie laterale: mancano le due basi."},
    {total, u"Hai calcolato la superficie totale."},
    {volume, u"Hai calcolato il volume."},
    {[](const Measures &m) { return r(m) * r(m); }, u"Hai calcolato l'area di base."},
};

Measures cylinder(qint16 radius, qint16 height, qint16) { return {radius, 0, height, 0}; }

constexpr ExerciseSet Cylinder{Kinds, KindCount, ExerciseSet::FirstAndStep, PlaceA | PlaceC, cylinder, Mistakes,
                               int(std::size(Mistakes)), sheet,
    {u"r", nullptr, u"h", nullptr}};

} // namespace

const ExerciseSet &set()
{
    return Cylinder;
}

} // namespace CylinderExercises

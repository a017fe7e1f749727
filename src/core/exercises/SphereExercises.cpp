// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SphereExercises.h"

#include "Quantities.h"
#include "Working.h"
#include "common/Checked16.h"

#include <iterator>

using namespace Qt::Literals::StringLiterals;
using Working::equals;
using Working::n;
using Working::piResult;
using Working::timesPi;

namespace SphereExercises {

namespace {

// The one place of the figure: the radius on Lbla.
int r(const Measures &m) { return m.a; }
int cube(const Measures &m) { return r(m) * r(m) * r(m); }

// Each quantity as the number that multiplies π.
int surface(const Measures &m) { return 4 * r(m) * r(m); }
int volume(const Measures &m) { return 4 * cube(m) / 3; }

QString surfaceGiven(const Measures &m) { return Working::givenTimesPi(u"Superficie", surface(m), u"cmq"); }
QString volumeGiven(const Measures &m) { return Working::givenTimesPi(u"Volume", volume(m), u"cmc"); }

// The formulas, each written once: the worked solutions begin with them and
// the formula sheet lists them.
constexpr QStringView Surface = u"S = 4 · π · r²";
constexpr QStringView Volume = u"V = 4 : 3 · π · r³";
constexpr QStringView RadiusFromSurface = u"r = √(S : (4 · π))";
constexpr QStringView RadiusFromVolume = u"r = ∛(3 · V : (4 · π))";

FormulaSheet sheet()
{
    FormulaSheet f;
    f.title = u"Sfera"_s;
    f.direct = Formulas::list({Surface, Volume});
    f.inverse = Formulas::list({RadiusFromSurface, RadiusFromVolume});
    f.notes = QStringList{Formulas::piNote()};
    f.legend = Formulas::legend({u"r"_s, u"S"_s, u"V"_s, u"π"_s});
    return f;
}

QString surfaceWorked(const Measures &m)
{
    return equals({Surface, u"4 · π · "_s + Working::squared(r(m)), piResult(surface(m), u"cmq")});
}
QString volumeWorked(const Measures &m)
{
    return equals({Volume, u"4 : 3 · π · "_s + n(r(m)) + u"³"_s, piResult(volume(m), u"cmc")});
}
QString radiusFromSurfaceWorked(const Measures &m)
{
    return equals({RadiusFromSurface, u"√("_s + timesPi(surface(m)) + u" : 4π)"_s,
                   u"√"_s + n(r(m) * r(m)), n(r(m)) + u" cm"_s});
}
QString radiusFromVolumeWorked(const Measures &m)
{
    return equals({RadiusFromVolume, u"∛(3 · "_s + timesPi(volume(m)) + u" : 4π)"_s,
                   u"∛"_s + n(cube(m)), n(r(m)) + u" cm"_s});
}

// The surface's radius is drawn as n · 1, the volume's as n · 3.
constexpr DrawRange SurfaceRadius{1, 12};
constexpr DrawRange VolumeThirds{1, 4};
constexpr DrawRange Ones{1, 1};
constexpr DrawRange Threes{3, 3};

constexpr ExerciseKind Kinds[] = {
    // n            k       question       X        given         expected            worked solution          unit    traits
    {SurfaceRadius, Ones,   u"Superficie", NoPlace, nullptr,      Asked::of<surface>, surfaceWorked,           u"cmq", TimesPi},
    {VolumeThirds,  Threes, u"Volume",     NoPlace, nullptr,      Asked::of<volume>,  volumeWorked,            u"cmc", TimesPi},
    {SurfaceRadius, Ones,   u"Raggio",     PlaceA,  surfaceGiven, Asked::of<r>,       radiusFromSurfaceWorked, u"cm",  PiGiven},
    {VolumeThirds,  Threes, u"Raggio",     PlaceA,  volumeGiven,  Asked::of<r>,       radiusFromVolumeWorked,  u"cm",  PiGiven},
};
static_assert(std::size(Kinds) == KindCount);

constexpr quint32 Radius = kinds({3, 4});

constexpr LikelyMistake Mistakes[] = {
    {[](const Measures &m) { return 16 * r(m) * r(m); }, u"Hai usato il diametro al posto del raggio."},
    {[](const Measures &m) { return 4 * r(m); }, u"Non hai elevato il raggio al quadrato."},
    {[](const Measures &m) { return 4 * cube(m); }, u"Hai dimenticato di dividere per 3."},
    {[](const Measures &m) { return 2 * r(m); }, u"Hai trovato il diametro: il raggio è la metà.", Radius},
    {surface, u"Hai calcolato la superficie."},
    {volume, u"Hai calcolato il volume."},
    {[](const Measures &m) { return r(m) * r(m); }, u"Hai calcolato il quadrato del raggio.", Radius},
    {cube, u"Hai calcolato il cubo del raggio.", Radius},
};

Measures sphere(qint16 n, qint16 k, qint16) { return {to16(n * k), 0, 0, 0}; }

constexpr ExerciseSet Sphere{Kinds, KindCount, ExerciseSet::FirstAndStep, PlaceA, sphere, Mistakes,
                             int(std::size(Mistakes)), sheet,
    {u"r", nullptr, nullptr, nullptr}};

} // namespace

const ExerciseSet &set()
{
    return Sphere;
}

} // namespace SphereExercises

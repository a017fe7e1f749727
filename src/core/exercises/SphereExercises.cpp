// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SphereExercises.h"

#include "FormulaTable.h"

#include <iterator>

namespace SphereExercises {

namespace {

using namespace FormulaTable::Sphere;
using FormulaTable::Circle::Diameter;

// The surface's radius is drawn as n · 1, the volume's as n · 3.
constexpr DrawRange SurfaceRadius{1, 12};
constexpr DrawRange VolumeThirds{1, 4};
constexpr DrawRange Ones{1, 1};
constexpr DrawRange Threes{3, 3};

constexpr ExerciseKind Kinds[] = {
    // n            k       question       X        given                       worked out with         unit
    {SurfaceRadius, Ones,   u"Superficie", NoPlace, {},                         {&Surface},             u"cmq"},
    {VolumeThirds,  Threes, u"Volume",     NoPlace, {},                         {&Volume},              u"cmc"},
    {SurfaceRadius, Ones,   u"Raggio",     PlaceA,  {u"Superficie = ", &Surface}, {&RadiusFromSurface}, u"cm"},
    {VolumeThirds,  Threes, u"Raggio",     PlaceA,  {u"Volume = ", &Volume},     {&RadiusFromVolume},   u"cm"},
};
static_assert(std::size(Kinds) == KindCount);

constexpr quint32 Radius = kinds({3, 4});

constexpr LikelyMistake Mistakes[] = {
    {&SurfaceOfDiameter, u"Hai usato il diametro al posto del raggio."},
    {&RadiusNotSquared, u"Non hai elevato il raggio al quadrato."},
    {&NoThird, u"Hai dimenticato di dividere per 3."},
    {&Diameter, u"Hai trovato il diametro: il raggio è la metà.", Radius},
    {&Surface, u"Hai calcolato la superficie."},
    {&Volume, u"Hai calcolato il volume."},
    {&RadiusSquared, u"Hai calcolato il quadrato del raggio.", Radius},
    {&RadiusCubed, u"Hai calcolato il cubo del raggio.", Radius},
};

constexpr SheetTable Sheet{u"Sfera", {&Surface, &Volume}, {&RadiusFromSurface, &RadiusFromVolume}, {}, {},
                           {u"r", u"S", u"V", u"π"}, true};

constexpr ExerciseSet Sphere{Kinds, KindCount, ExerciseSet::FirstAndStep, PlaceA,
                             {Shape::NoTriple, Triples::All, {&FormulaTable::Measure::SphereRadius}},
                             Mistakes, int(std::size(Mistakes)), &Sheet, {u"r", nullptr, nullptr, nullptr}};

} // namespace

const ExerciseSet &set()
{
    return Sphere;
}

} // namespace SphereExercises

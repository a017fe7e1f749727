// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CylinderExercises.h"

#include "FormulaTable.h"

#include <iterator>

namespace CylinderExercises {

namespace {

using namespace FormulaTable::Cylinder;
using namespace FormulaTable::Circle;
namespace Measure = FormulaTable::Measure;

constexpr DrawRange Radius{1, 10};
constexpr DrawRange Height{1, 12};

constexpr ExerciseKind Kinds[] = {
    // r     h       question                X        given                                   worked out with        unit
    {Radius, Height, u"Volume",              NoPlace, {},                                     {&Volume},             u"cmc"},
    {Radius, Height, u"Superficie laterale", NoPlace, {},                                     {&Lateral},            u"cmq"},
    {Radius, Height, u"Superficie totale",   NoPlace, {},                                     {&Total},              u"cmq"},
    {Radius, Height, u"Altezza",             PlaceC,  {u"Volume = ", &Volume},                {&HeightFromVolume},   u"cm"},
    {Radius, Height, u"Raggio",              PlaceA,  {u"Superficie laterale = ", &Lateral},  {&RadiusFromLateral},  u"cm"},
};
static_assert(std::size(Kinds) == KindCount);

constexpr LikelyMistake Mistakes[] = {
    {&VolumeOfDiameter, u"Hai usato il diametro al posto del raggio."},
    {&LateralOfDiameter, u"Hai usato il diametro al posto del raggio."},
    {&RadiusNotSquared, u"Non hai elevato il raggio al quadrato."},
    {&Diameter, u"Hai trovato il diametro: il raggio è la metà.", kinds({5})},
    {&OneBase, u"Hai contato una base sola: le basi sono due."},
    {&Lateral, u"Hai calcolato la superficie laterale: mancano le due basi."},
    {&Total, u"Hai calcolato la superficie totale."},
    {&Volume, u"Hai calcolato il volume."},
    {&Area, u"Hai calcolato l'area di base."},
};

constexpr SheetTable Sheet{u"Cilindro",
                           {&Circumference, &Area, &Lateral, &Total, &Volume},
                           {&HeightFromVolume, &RadiusFromLateral},
                           {},
                           {},
                           {u"r", u"h", u"2p", u"Ab", u"Sl", u"St", u"V", u"π"},
                           true};

constexpr ExerciseSet Cylinder{Kinds, KindCount, ExerciseSet::FirstAndStep, PlaceA | PlaceC,
                               {Shape::NoTriple, Triples::All, {&Measure::RadiusDrawn, &Measure::HeightDrawnSecond}},
                               Mistakes, int(std::size(Mistakes)), &Sheet, {u"r", nullptr, u"h", nullptr}};

} // namespace

const ExerciseSet &set()
{
    return Cylinder;
}

} // namespace CylinderExercises

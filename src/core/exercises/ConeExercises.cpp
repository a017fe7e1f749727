// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConeExercises.h"

#include "FormulaTable.h"

#include <iterator>

namespace ConeExercises {

namespace {

using namespace FormulaTable::Cone;
using namespace FormulaTable::Circle;
namespace Measure = FormulaTable::Measure;

// The five smallest triples keep k · 3,14 within seven characters.
constexpr DrawRange SmallTriple{1, 5};
constexpr DrawRange EitherLeg{0, 1};

constexpr ExerciseKind Kinds[] = {
    // triple     turn       question                X                given                    worked out with       unit
    {SmallTriple, EitherLeg, u"Volume",              NoPlace,         {},                      {&Volume},            u"cmc"},
    {SmallTriple, EitherLeg, u"Superficie laterale", NoPlace,         {},                      {&Lateral},           u"cmq"},
    {SmallTriple, EitherLeg, u"Superficie totale",   NoPlace,         {},                      {&Total},             u"cmq"},
    {SmallTriple, EitherLeg, u"Apotema",             PlaceB,          {},                      {&Apothem},           u"cm"},
    {SmallTriple, EitherLeg, u"Altezza",             PlaceC,          {},                      {&Height},            u"cm"},
    {SmallTriple, EitherLeg, u"Altezza",             PlaceB | PlaceC, {u"Volume = ", &Volume}, {&HeightFromVolume},  u"cm"},
};
static_assert(std::size(Kinds) == KindCount);

constexpr quint32 Pythagoras = kinds({4, 5});

constexpr LikelyMistake Mistakes[] = {
    {&FormulaTable::Cylinder::Volume, u"Hai dimenticato di dividere per 3.", kinds({1})},
    {&HeightForApothem, u"Hai usato l'altezza al posto dell'apotema.", kinds({2, 3})},
    {&LateralOfDiameter, u"Hai usato il diametro al posto del raggio."},
    {&Lateral, u"Hai calcolato la superficie laterale: manca l'area di base."},
    {&Total, u"Hai calcolato la superficie totale."},
    {&Volume, u"Hai calcolato il volume."},
    {&Area, u"Hai calcolato l'area di base."},
    {&LegsAdded, u"Hai sommato i cateti: si sommano i loro quadrati.", Pythagoras},
    {&SidesSubtracted, u"Hai sottratto i lati: si sottraggono i loro quadrati.", Pythagoras},
    {&ApothemNoRoot, u"Hai dimenticato la radice quadrata.", Pythagoras},
    {&HeightNoRoot, u"Hai dimenticato la radice quadrata.", Pythagoras},
};

constexpr SheetTable Sheet{u"Cono",
                           {&Circumference, &Area, &Lateral, &Total, &Volume},
                           {&HeightFromVolume},
                           {&Apothem, &Height},
                           {{{u"a", u"apotema"}}},
                           {u"r", u"h", u"2p", u"Ab", u"Sl", u"St", u"V", u"π"},
                           true};

// The radius and the height are the triple's legs, the apothem its
// hypotenuse; one leg of every triple is a multiple of 3, so the volume is whole.
constexpr ExerciseSet Cone{Kinds, KindCount, ExerciseSet::FirstAndStep, PlacesABC,
                           {Shape::TurnedBySecond, Triples::All,
                            {&Measure::RadiusLeg, &Measure::ApothemHypotenuse, &Measure::HeightLeg}},
                           Mistakes, int(std::size(Mistakes)), &Sheet, {u"r", u"a", u"h", nullptr}};

} // namespace

const ExerciseSet &set()
{
    return Cone;
}

} // namespace ConeExercises

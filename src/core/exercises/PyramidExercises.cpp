// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PyramidExercises.h"

#include "FormulaTable.h"

#include <iterator>

namespace PyramidExercises {

namespace {

using namespace FormulaTable::Pyramid;
namespace Measure = FormulaTable::Measure;
using FormulaTable::Cube::BaseArea;

constexpr DrawRange AnyTriple{1, Triples::Count};
constexpr DrawRange EitherLeg{0, 1};

constexpr ExerciseKind Kinds[] = {
    // triple   turn       question                X                given                   worked out with       unit
    {AnyTriple, EitherLeg, u"Volume",              NoPlace,         {},                     {&Volume},            u"cmc"},
    {AnyTriple, EitherLeg, u"Superficie laterale", NoPlace,         {},                     {&Lateral},           u"cmq"},
    {AnyTriple, EitherLeg, u"Superficie totale",   NoPlace,         {},                     {&Total},             u"cmq"},
    {AnyTriple, EitherLeg, u"Apotema",             PlaceB,          {},                     {&Apothem},           u"cm"},
    {AnyTriple, EitherLeg, u"Altezza",             PlaceC,          {},                     {&Height},            u"cm"},
    {AnyTriple, EitherLeg, u"Altezza",             PlaceB | PlaceC, {u"Volume = ", &Volume}, {&HeightFromVolume}, u"cm"},
};
static_assert(std::size(Kinds) == KindCount);

constexpr quint32 Pythagoras = kinds({4, 5});

constexpr LikelyMistake Mistakes[] = {
    {&NoThird, u"Hai dimenticato di dividere per 3.", kinds({1})},
    {&HeightForApothem, u"Hai usato l'altezza al posto dell'apotema.", kinds({2, 3})},
    {&NoHalf, u"Hai dimenticato di dividere per 2: Sl = perimetro · apotema : 2."},
    {&Lateral, u"Hai calcolato la superficie laterale: manca l'area di base."},
    {&Total, u"Hai calcolato la superficie totale."},
    {&Volume, u"Hai calcolato il volume."},
    {&BaseArea, u"Hai calcolato l'area di base."},
    {&Perimeter, u"Hai calcolato il perimetro di base."},
    {&LegsAdded, u"Hai sommato i cateti: si sommano i loro quadrati.", Pythagoras},
    {&SidesSubtracted, u"Hai sottratto i lati: si sottraggono i loro quadrati.", Pythagoras},
    {&ApothemNoRoot, u"Hai dimenticato la radice quadrata.", Pythagoras},
    {&HeightNoRoot, u"Hai dimenticato la radice quadrata.", Pythagoras},
};

constexpr SheetTable Sheet{u"Piramide",
                           {&Perimeter, &BaseArea, &Lateral, &Total, &Volume},
                           {&HeightFromVolume},
                           {&Apothem, &Height},
                           {{{u"l", u"lato di base"}, {u"a", u"apotema"}}},
                           {u"h", u"2p", u"Ab", u"Sl", u"St", u"V"}};

// Half the side and the height are the triple's legs, the apothem its
// hypotenuse; one leg of every triple is a multiple of 3, so the volume is whole.
constexpr ExerciseSet Pyramid{Kinds, KindCount, ExerciseSet::FirstAndStep, PlacesABC,
                              {Shape::TurnedBySecond, Triples::All,
                               {&Measure::SideTwiceLeg, &Measure::ApothemHypotenuse, &Measure::HeightLeg}},
                              Mistakes, int(std::size(Mistakes)), &Sheet, {u"l", u"a", u"h", nullptr}};

} // namespace

const ExerciseSet &set()
{
    return Pyramid;
}

} // namespace PyramidExercises

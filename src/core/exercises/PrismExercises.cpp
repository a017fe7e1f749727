// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrismExercises.h"

#include "FormulaTable.h"

#include <iterator>

namespace PrismExercises {

namespace {

using namespace FormulaTable::Prism;
namespace Measure = FormulaTable::Measure;

constexpr DrawRange AnyTriple{1, Triples::Count};
constexpr DrawRange Height{2, 12};

constexpr ExerciseKind Kinds[] = {
    // triple   h       question                X        given                                       worked out with
    {AnyTriple, Height, u"Volume",              NoPlace, {},                                         {&Volume}},
    {AnyTriple, Height, u"Superficie laterale", NoPlace, {},                                         {&Lateral}},
    {AnyTriple, Height, u"Superficie totale",   NoPlace, {},                                         {&Total}},
    {AnyTriple, Height, u"Ipotenusa",           PlaceD,  {},                                         {&Hypotenuse}},
    {AnyTriple, Height, u"Altezza",             PlaceC,  {u"Superficie laterale= ", &Lateral},       {&HeightFromLateral}},
    {AnyTriple, Height, u"Cateto a",            PlaceA,  {},                                         {&LegA}},
    {AnyTriple, Height, u"Cateto b",            PlaceB,  {},                                         {&LegB}},
};
static_assert(std::size(Kinds) == KindCount);

// A box's formulas on a triangle's base, and Pythagoras with the sides
// added instead of their squares, or the root left out.
constexpr quint32 Pythagoras = kinds({4, 6, 7});

constexpr LikelyMistake Mistakes[] = {
    {&BoxVolume, u"Hai calcolato il volume di un parallelepipedo: l'area del triangolo di base è a · b : 2.", kinds({1})},
    {&BoxLateral, u"Hai usato la formula del parallelepipedo: il perimetro di base è a + b + c.", kinds({2, 3})},
    {&Volume, u"Hai calcolato il volume."},
    {&Lateral, u"Hai calcolato la superficie laterale."},
    {&Total, u"Hai calcolato la superficie totale."},
    {&BaseArea, u"Hai calcolato l'area di base."},
    {&Perimeter, u"Hai calcolato il perimetro di base."},
    {&LegsAdded, u"Hai sommato i cateti: si sommano i loro quadrati.", Pythagoras},
    {&SidesSubtractedA, u"Hai sottratto i lati: si sottraggono i loro quadrati.", Pythagoras},
    {&SidesSubtractedB, u"Hai sottratto i lati: si sottraggono i loro quadrati.", Pythagoras},
    {&HypotenuseNoRoot, u"Hai dimenticato la radice quadrata.", Pythagoras},
    {&LegANoRoot, u"Hai dimenticato la radice quadrata.", Pythagoras},
    {&LegBNoRoot, u"Hai dimenticato la radice quadrata.", Pythagoras},
};

constexpr SheetTable Sheet{u"Prisma",
                           {&Perimeter, &BaseArea, &Lateral, &Total, &Volume},
                           {&HeightFromLateral},
                           {&Hypotenuse, &LegA, &LegB},
                           {{{u"a", u"un cateto del triangolo di base"}, {u"b", u"l'altro cateto"},
                             {u"c", u"ipotenusa del triangolo di base"}}},
                           {u"h", u"2p", u"Ab", u"Sl", u"St", u"V"}};

constexpr ExerciseSet Prism{Kinds, KindCount, ExerciseSet::FirstStepAndTurn, PlacesABC | PlaceD,
                            {Shape::TurnedByThird, Triples::All,
                             {&Measure::FirstLeg, &Measure::SecondLeg, &Measure::HeightDrawnSecond, &Measure::Hypotenuse}},
                            Mistakes, int(std::size(Mistakes)), &Sheet, {u"a", u"b", u"h", u"c"}};

} // namespace

const ExerciseSet &set()
{
    return Prism;
}

} // namespace PrismExercises

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoxExercises.h"

#include "FormulaTable.h"

#include <iterator>

namespace BoxExercises {

namespace {

using namespace FormulaTable::Box;
namespace Measure = FormulaTable::Measure;

constexpr GivenDatum LateralGiven{u"Superficie laterale= ", &Lateral};
constexpr GivenDatum PerimeterGiven{u"Perimetro= ", &Perimeter};

constexpr ExerciseKind Kinds[] = {
    // a       d       question               X        given           worked out with
    {{4, 9}, {1, 3}, u"Volume",              NoPlace, {},             {&Volume}},
    {{3, 8}, {1, 2}, u"Superficie laterale", NoPlace, {},             {&Lateral}},
    {{3, 8}, {1, 2}, u"Superficie totale",   NoPlace, {},             {&Total}},
    {{3, 8}, {1, 2}, u"Diagonale",           NoPlace, {},             {&SpaceDiagonal}},
    {{3, 8}, {1, 2}, u"Altezza",             PlaceC,  LateralGiven,   {&Height}},
    // The given perimeter is 2p: its half first, then the dimension.
    {{4, 9}, {1, 2}, u"Dimensione a",        PlaceA,  PerimeterGiven, {&HalfPerimeter, &Width}},
    {{4, 9}, {1, 2}, u"Dimensione b",        PlaceB,  PerimeterGiven, {&HalfPerimeter, &Depth}},
};
static_assert(std::size(Kinds) == KindCount);

constexpr LikelyMistake Mistakes[] = {
    {&Volume, u"Hai calcolato il volume."},
    {&Lateral, u"Hai calcolato la superficie laterale."},
    {&Total, u"Hai calcolato la superficie totale."},
    {&BaseArea, u"Hai calcolato l'area di base."},
    {&Perimeter, u"Hai calcolato il perimetro di base."},
    {&HalfPerimeterOfSides, u"Hai calcolato il semiperimetro di base."},
};

constexpr SheetTable Sheet{u"Parallelepipedo",
                           {&Perimeter, &HalfPerimeter, &BaseArea, &Lateral, &Total, &Volume},
                           {&Height, &Width, &Depth},
                           {&SpaceDiagonal},
                           {{{u"a", u"prima dimensione di base"}, {u"b", u"seconda dimensione di base"}, {u"c", u"altezza"}}},
                           {u"2p", u"p", u"Ab", u"Sl", u"St", u"V", u"d"}};

// a is drawn, b is a less by the step, and c a plus or less by the turn.
constexpr ExerciseSet Box{Kinds, KindCount, ExerciseSet::FirstStepAndTurn, PlacesABC,
                          {Shape::NoTriple, Triples::All, {&Measure::WidthDrawn, &Measure::DepthDrawn, &Measure::BoxHeightDrawn}},
                          Mistakes, int(std::size(Mistakes)), &Sheet, {u"a", u"b", u"c", nullptr}};

} // namespace

const ExerciseSet &set()
{
    return Box;
}

} // namespace BoxExercises

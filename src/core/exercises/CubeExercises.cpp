// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CubeExercises.h"

#include "FormulaTable.h"

#include <iterator>

namespace CubeExercises {

namespace {

using namespace FormulaTable::Cube;

constexpr GivenDatum LateralGiven{u"Superficie laterale= ", &Lateral};
constexpr GivenDatum PerimeterGiven{u"Perimetro di base = ", &Perimeter};
constexpr GivenDatum VolumeGiven{u"Volume = ", &Volume};

constexpr ExerciseKind Kinds[] = {
    // edge     step    question               X          given           worked out with
    {{4, 14}, {0, 0}, u"Volume",              NoPlace,   {},             {&Volume}},
    {{1, 11}, {0, 0}, u"Superficie laterale", NoPlace,   {},             {&Lateral}},
    {{1, 11}, {0, 0}, u"Superficie totale",   NoPlace,   {},             {&Total}},
    {{1, 10}, {0, 0}, u"Diagonale",           NoPlace,   {},             {&SpaceDiagonal}},
    {{1, 10}, {0, 0}, u"Spigolo AB",          PlacesABC, LateralGiven,   {&EdgeFromLateral}},
    {{1, 10}, {0, 0}, u"Volume",              PlacesABC, PerimeterGiven, {&EdgeFromPerimeter, &Volume}},
    {{1, 14}, {0, 0}, u"Spigolo AB",          PlacesABC, VolumeGiven,    {&EdgeFromVolume}},
    {{1, 14}, {0, 0}, u"Superficie laterale", PlacesABC, PerimeterGiven, {&EdgeFromPerimeter, &Lateral}},
    {{1, 14}, {0, 0}, u"Superficie totale",   PlacesABC, PerimeterGiven, {&EdgeFromPerimeter, &Total}},
};
static_assert(std::size(Kinds) == KindCount);

constexpr LikelyMistake Mistakes[] = {
    {&Volume, u"Hai calcolato il volume."},
    {&Lateral, u"Hai calcolato la superficie laterale."},
    {&Total, u"Hai calcolato la superficie totale."},
    {&BaseArea, u"Hai calcolato l'area di una faccia."},
    {&Perimeter, u"Hai calcolato il perimetro di base."},
    {&EdgeWritten, u"Hai scritto lo spigolo."},
};

constexpr SheetTable Sheet{u"Cubo",
                           {&Perimeter, &BaseArea, &Lateral, &Total, &Volume},
                           {&EdgeFromPerimeter, &EdgeFromLateral, &EdgeFromVolume},
                           {&SpaceDiagonal},
                           {{{u"l", u"spigolo"}}},
                           {u"2p", u"Ab", u"Sl", u"St", u"V", u"d"}};

constexpr ExerciseSet Cube{Kinds, KindCount, ExerciseSet::First, PlacesABC,
                           {Shape::NoTriple, Triples::All, {&FormulaTable::Measure::EdgeDrawn}},
                           Mistakes, int(std::size(Mistakes)), &Sheet, {u"l", u"l", u"l", nullptr}};

} // namespace

const ExerciseSet &set()
{
    return Cube;
}

} // namespace CubeExercises

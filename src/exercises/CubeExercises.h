// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exercise.h"

class RandomSource;
struct ExerciseState;

// The cube window's nine kinds: the edge s on the figure and a quantity to
// compute, or a quantity given and the edge (or another quantity) to find.
namespace CubeExercises {

inline constexpr int KindCount = 9;

DrawRange edgeRange(int kind);

// The exercise of a kind for an edge s.
Exercise make(int kind, qint16 s);

// Draws the next exercise: reseeds with the previous kind, draws the kind,
// reseeds from the clock, draws the edge; writes intMode, intNumA, sngExpected.
Exercise draw(ExerciseState &state, RandomSource &random);

} // namespace CubeExercises

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exercise.h"

class RandomSource;
struct ExerciseState;

// The rectangular box's seven kinds, drawn by the box window and, on its own
// record, by the prism window. Width a, depth b = a - d and height
// c = a + d + 1 - t, so that 1 <= b < a < c in every exercise.
namespace BoxExercises {

inline constexpr int KindCount = 7;

DrawRange widthRange(int kind); // a
DrawRange stepRange(int kind);  // d

// The exercise of a kind for the draws a, d and t (t is 0 or 1).
Exercise make(int kind, qint16 a, qint16 d, qint16 t);

// Draws the next exercise: reseeds with the previous kind, draws the kind,
// reseeds from the clock, draws a, d and t in this order; writes intMode,
// intNumA, intNumB and sngExpected.
Exercise draw(ExerciseState &state, RandomSource &random);

} // namespace BoxExercises

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExerciseSet.h"

// The rectangular box's seven kinds, drawn by the box window and, on its own
// record, by the prism window. Width a, depth b = a - d and height
// c = a + d + 1 - t, so that 1 <= b < a < c in every exercise.
namespace BoxExercises {

const ExerciseSet &set();

inline constexpr int KindCount = 7;

inline DrawRange widthRange(int kind) { return set().kind(kind).first; } // a
inline DrawRange stepRange(int kind) { return set().kind(kind).step; }   // d

// The exercise of a kind for the draws a, d and t (t is 0 or 1).
inline Exercise make(int kind, qint16 a, qint16 d, qint16 t) { return set().make(kind, a, d, t); }

// Draws the next exercise: the kind, then a, d and t in this order.
inline Exercise draw(ExerciseState &state, RandomSource &random) { return set().draw(state, random); }

} // namespace BoxExercises

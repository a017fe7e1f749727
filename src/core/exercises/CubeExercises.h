// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExerciseSet.h"

// The cube window's nine kinds: the edge s on the figure and a quantity to
// compute, or a quantity given and the edge (or another quantity) to find.
namespace CubeExercises {

const ExerciseSet &set();

inline constexpr int KindCount = 9;

inline DrawRange edgeRange(int kind) { return set().kind(kind).first; }

// The exercise of a kind for an edge s.
inline Exercise make(int kind, qint16 s) { return set().make(kind, s); }

// Draws the next exercise: the kind, then the edge.
inline Exercise draw(ExerciseState &state, RandomSource &random) { return set().draw(state, random); }

} // namespace CubeExercises

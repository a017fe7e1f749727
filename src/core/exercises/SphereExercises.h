// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExerciseSet.h"

// The sphere: radius r = n · k, drawn as n and then k, where k is 3 for the
// kinds about the volume (so that 4/3 · r³ is whole) and 1 for the others.
namespace SphereExercises {

const ExerciseSet &set();

inline constexpr int KindCount = 4;

inline Exercise make(int kind, qint16 n, qint16 k) { return set().make(kind, n, k); }

} // namespace SphereExercises

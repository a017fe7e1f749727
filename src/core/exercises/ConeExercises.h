// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExerciseSet.h"

// The right cone: radius r, height h, apothem a, with (r, h, a) a right
// triangle of whole sides. The draws are the triple's number and which leg
// is the radius.
namespace ConeExercises {

const ExerciseSet &set();

inline constexpr int KindCount = 6;

inline Exercise make(int kind, qint16 triple, qint16 turned) { return set().make(kind, triple, turned); }

} // namespace ConeExercises

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExerciseSet.h"

// The cylinder: radius r and height h, drawn in this order; its surfaces
// and volume are answered as a number times π.
namespace CylinderExercises {

const ExerciseSet &set();

inline constexpr int KindCount = 5;

inline Exercise make(int kind, qint16 r, qint16 h) { return set().make(kind, r, h); }

} // namespace CylinderExercises

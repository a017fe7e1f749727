// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExerciseSet.h"

// The prism window's seven kinds, on a right prism whose base is a right
// triangle: legs a and b, hypotenuse c (by Pythagoras), height h. The draws
// are the triple's number, h, and which leg is a.
namespace PrismExercises {

const ExerciseSet &set();

inline constexpr int KindCount = 7;

// The exercise of a kind for the triple's number, the height and the turn.
inline Exercise make(int kind, qint16 triple, qint16 h, qint16 turned) { return set().make(kind, triple, h, turned); }

} // namespace PrismExercises

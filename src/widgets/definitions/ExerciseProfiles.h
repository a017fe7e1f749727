// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WindowProfile.h"

// The three exercise windows: each is the one frame with this definition.
namespace ExerciseProfiles {

WindowProfile cube();  // cubi
WindowProfile box();   // Tavolas
WindowProfile prism(); // Tavola

} // namespace ExerciseProfiles

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/WindowProfile.h"

// The three exercise windows: each is the one frame with these texts.
namespace ExerciseProfiles {

WindowProfile cube();  // cubi
WindowProfile box();   // Tavolas
WindowProfile prism(); // Tavola

} // namespace ExerciseProfiles

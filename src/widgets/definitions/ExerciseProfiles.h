// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WindowProfile.h"

#include <QList>

// The exercise windows: each is the one frame with this definition.
namespace ExerciseProfiles {

WindowProfile cube();     // cubi
WindowProfile box();      // Tavolas
WindowProfile prism();    // Tavola
WindowProfile pyramid();  // Piramide
WindowProfile cylinder(); // Cilindro
WindowProfile cone();     // Cono
WindowProfile sphere();   // Sfera
WindowProfile problems(); // Problemi: composite solids and solids of rotation, step by step

// All of them, in the catalogue's order.
QList<ProfileSource> all();

} // namespace ExerciseProfiles

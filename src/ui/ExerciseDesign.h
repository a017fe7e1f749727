// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Design.h"
#include "exercise/WindowProfile.h"

#include <QList>
#include <QSize>
#include <optional>

// The design of the exercise windows: one table for the cube window, and the
// listed differences of the box and prism windows applied to it.
namespace ExerciseDesign {

QList<Design::Control> controls(WindowProfile::Figure figure);

// The client area the window was designed with, in twips.
QSize clientArea(WindowProfile::Figure figure);

// The box and prism windows show their own mouse pointer, a pencil.
std::optional<Artwork::Picture> cursor(WindowProfile::Figure figure);

} // namespace ExerciseDesign

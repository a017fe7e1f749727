// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design/Design.h"

#include <QList>

// The design tables of the exercise windows: the cube window's, and every
// other window's as a list of changes to it.
namespace ExerciseDesign {

QList<Design::Control> cube();
QList<Design::Control> box();
QList<Design::Control> prism();
QList<Design::Control> pyramid();
QList<Design::Control> cylinder();
QList<Design::Control> cone();
QList<Design::Control> sphere();
QList<Design::Control> problems();

} // namespace ExerciseDesign

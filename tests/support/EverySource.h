// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercises/BoxExercises.h"
#include "exercises/ConeExercises.h"
#include "exercises/CubeExercises.h"
#include "exercises/CylinderExercises.h"
#include "exercises/PrismExercises.h"
#include "exercises/PyramidExercises.h"
#include "exercises/SphereExercises.h"
#include "problems/ProblemKinds.h"
#include "sheets/Worksheet.h"

// What the core's tests offer a worksheet: every solid and the problems,
// in the choice window's order (the widget tests read the catalogue).
inline QList<Worksheets::Source> everySource()
{
    return {{&CubeExercises::set()},     {&BoxExercises::set()},  {&PrismExercises::set()},
            {&PyramidExercises::set()},  {&CylinderExercises::set()}, {&ConeExercises::set()},
            {&SphereExercises::set()},   {nullptr, &ProblemKinds::set()}};
}

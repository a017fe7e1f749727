// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drill.h"

#include "ExerciseDrill.h"
#include "ProblemDrill.h"
#include "definitions/WindowProfile.h"

std::unique_ptr<Drill> makeDrill(const WindowProfile &profile, Artwork::IconCache &icons)
{
    if (profile.problems)
        return std::make_unique<ProblemDrill>(*profile.problems, icons);
    return std::make_unique<ExerciseDrill>(*profile.exercises);
}

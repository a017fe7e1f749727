// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ProblemSet.h"

// The problems of the class test and the final exam: composite solids and
// solids of rotation, with their weight or capacity, asked step by step.
// Their data are whole centimetres taken from right triangles of whole
// sides wherever a root is taken, so that every value has two decimals at
// most (with π, its factor).
namespace ProblemKinds {

const ProblemSet &set();

inline constexpr int KindCount = 23;

} // namespace ProblemKinds

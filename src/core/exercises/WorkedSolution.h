// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exercise.h"

#include <QString>
#include <optional>

// What a teacher writes at the board after a wrong answer: how the right
// value comes out of the numbers on the screen, and, when the pupil's number
// is another quantity of the same solid, which one it was. Both come from
// the row of the exercise's kind and the table of its solid.
namespace WorkedSolution {

// The working, on one line: "V = a·b·c = 4·3·6 = 72 cmc".
QString working(const Exercise &exercise);

// "Hai calcolato la superficie totale." when the answer is such a quantity
// (with π, in either form), or a slip of the kind's own: a diagonal cut
// instead of rounded, π taken as other than 3,14.
std::optional<QString> likelyMistake(const Exercise &exercise, float answer);

// The mistake, if any, then the working, on two lines.
QString afterWrongAnswer(const Exercise &exercise, float answer);

} // namespace WorkedSolution

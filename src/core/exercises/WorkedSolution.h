// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exercise.h"
#include "formula/Rational.h"

#include <QString>
#include <optional>

// What a teacher writes at the board after a wrong answer: how the right
// value comes out of the numbers on the screen, and, when the pupil's number
// is another quantity of the same solid, which one it was. Both come from
// the row of the exercise's kind and the table of its solid.
namespace WorkedSolution {

// The working, on one line: "V = a·b·c = 4·3·6 = 72 cmc"; where the kind
// takes two steps, both: "p = 2p : 2 = 14 : 2 = 7 cm, a = p − b = 7 − 3 = 4 cm".
QString working(const Exercise &exercise);

// "Hai calcolato la superficie totale." when the answer is such a quantity
// (with π, in either form), or a general slip: a diagonal cut instead of
// rounded, π taken as other than 3,14.
std::optional<QString> likelyMistake(const Exercise &exercise, const Rational &answer);

// The mistake, if any, then the working, on two lines.
QString afterWrongAnswer(const Exercise &exercise, const Rational &answer);

} // namespace WorkedSolution

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorkedSolution.h"

#include "ExerciseSet.h"

#include <cmath>

namespace WorkedSolution {

namespace {

// Near misses of a space diagonal: cut instead of rounded, rounded too
// finely, or the root forgotten.
std::optional<QString> diagonalSlip(const Measures &m, float answer)
{
    const double squares = Solid::diagonalSquared(m);
    const double root = std::sqrt(squares);
    if (answer == float(std::floor(root * 10) / 10))
        return QStringLiteral("Hai troncato la diagonale: va arrotondata a un decimale.");
    for (double places : {100.0, 1000.0}) {
        if (answer == float(std::round(root * places) / places))
            return QStringLiteral("La diagonale va arrotondata a un decimale.");
    }
    if (answer == float(squares))
        return QStringLiteral("Hai dimenticato la radice quadrata.");
    return std::nullopt;
}

} // namespace

QString working(const Exercise &exercise, QChar heightLetter)
{
    return exercise.set->kind(exercise.kind).working(exercise.measures(), heightLetter);
}

std::optional<QString> likelyMistake(const Exercise &exercise, float answer)
{
    if (answer == exercise.expected)
        return std::nullopt;

    const ExerciseSet &set = *exercise.set;
    const Measures m = exercise.measures();
    if (set.kind(exercise.kind).diagonal) {
        if (auto slip = diagonalSlip(m, answer))
            return slip;
    }
    for (int i = 0; i < set.mistakeCount; ++i) {
        const float value = float(set.mistakes[i].value(m));
        if (value == exercise.expected)
            continue; // the asked quantity itself, or one equal to it
        if (answer == value)
            return QString::fromUtf16(set.mistakes[i].text);
    }
    return std::nullopt;
}

QString afterWrongAnswer(const Exercise &exercise, float answer, QChar heightLetter)
{
    const QString line = working(exercise, heightLetter);
    if (const auto mistake = likelyMistake(exercise, answer))
        return *mistake + u'\n' + line;
    return line;
}

} // namespace WorkedSolution

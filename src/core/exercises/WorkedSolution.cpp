// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorkedSolution.h"

#include "ExerciseSet.h"
#include "common/PiApproximation.h"

#include <cmath>

namespace WorkedSolution {

namespace {

double roundedTo(double value, double places)
{
    return std::round(value * places) / places;
}

// Near misses of a space diagonal: cut instead of rounded, rounded too
// finely, or the root forgotten.
std::optional<QString> diagonalSlip(const Measures &m, float answer)
{
    const double squares = Solid::diagonalSquared(m);
    const double root = std::sqrt(squares);
    if (answer == float(std::floor(root * 10) / 10))
        return QStringLiteral("Hai troncato la diagonale: va arrotondata a un decimale.");
    for (double places : {100.0, 1000.0}) {
        if (answer == float(roundedTo(root, places)))
            return QStringLiteral("La diagonale va arrotondata a un decimale.");
    }
    if (answer == float(squares))
        return QStringLiteral("Hai dimenticato la radice quadrata.");
    return std::nullopt;
}

// π mixed up: a value worked out with the calculator's π instead of 3,14,
// or a length divided by 3,14 once more although the datum is already
// written in π.
std::optional<QString> piSlip(const Exercise &e, const ExerciseKind &kind, float answer)
{
    if (e.timesPi) {
        for (double places : {1.0, 10.0, 100.0}) {
            if (answer == float(roundedTo(e.expected * PiApproximation::Calculator, places)))
                return QStringLiteral("Usa π = 3,14, oppure scrivi solo il numero che moltiplica π.");
        }
    }
    if (kind.has(PiGiven)) {
        for (double places : {10.0, 100.0}) {
            if (answer == float(roundedTo(e.expected * 100.0 / PiApproximation::Hundredths, places)))
                return QStringLiteral("Il dato è già scritto con π: non dividere per 3,14.");
        }
    }
    return std::nullopt;
}

// The answer is this quantity: its number, or with π that number times 3,14.
bool gives(const Exercise &e, double value, float answer)
{
    if (answer == float(value))
        return true;
    return e.timesPi && answer == float(double(PiApproximation::hundredthsOf(qint64(value))) / 100.0);
}

} // namespace

QString working(const Exercise &exercise)
{
    return exercise.set->kind(exercise.kind).working(exercise.measures);
}

std::optional<QString> likelyMistake(const Exercise &exercise, float answer)
{
    if (gives(exercise, exercise.expected, answer))
        return std::nullopt;

    const ExerciseSet &set = *exercise.set;
    const ExerciseKind &kind = set.kind(exercise.kind);
    const Measures &m = exercise.measures;
    if (kind.has(Diagonal)) {
        if (auto slip = diagonalSlip(m, answer))
            return slip;
    }
    if (auto slip = piSlip(exercise, kind, answer))
        return slip;
    for (int i = 0; i < set.mistakeCount; ++i) {
        if (!set.mistakes[i].appliesTo(exercise.kind))
            continue;
        const float value = float(set.mistakes[i].value(m));
        if (value == exercise.expected)
            continue; // the asked quantity itself, or one equal to it
        if (gives(exercise, value, answer))
            return QString::fromUtf16(set.mistakes[i].text);
    }
    return std::nullopt;
}

QString afterWrongAnswer(const Exercise &exercise, float answer)
{
    const QString line = working(exercise);
    if (const auto mistake = likelyMistake(exercise, answer))
        return *mistake + u'\n' + line;
    return line;
}

} // namespace WorkedSolution

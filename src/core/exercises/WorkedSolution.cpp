// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorkedSolution.h"

#include "ExerciseSet.h"
#include "formula/PiApproximation.h"
#include "formula/Answer.h"

namespace WorkedSolution {

namespace {

// Near misses of a root rounded to one decimal: cut instead of rounded,
// rounded too finely, or the root forgotten.
std::optional<QString> rootSlip(const Formula &f, const Symbols &known, const Rational &answer)
{
    const Rational square = f.square(known);
    if (answer == square.truncatedSquareRoot(1))
        return QStringLiteral("Hai troncato la diagonale: va arrotondata a un decimale.");
    for (int places : {2, 3}) {
        if (answer == square.roundedSquareRoot(places))
            return QStringLiteral("La diagonale va arrotondata a un decimale.");
    }
    if (answer == square)
        return QStringLiteral("Hai dimenticato la radice quadrata.");
    return std::nullopt;
}

// π mixed up: a value worked out with the calculator's π instead of 3,14,
// or a length divided by 3,14 once more although the datum is already
// written in π.
std::optional<QString> piSlip(const Exercise &e, bool piGiven, const Rational &answer)
{
    if (e.timesPi) {
        const Rational withCalculator = e.value.pi() * PiApproximation::calculator();
        for (int places : {0, 1, 2}) {
            if (answer == withCalculator.rounded(places))
                return QStringLiteral("Usa π = 3,14, oppure scrivi solo il numero che moltiplica π.");
        }
    }
    if (piGiven && e.value.isPlain()) {
        const Rational dividedAgain = e.value.plain() / PiApproximation::school();
        for (int places : {1, 2}) {
            if (answer == dividedAgain.rounded(places))
                return QStringLiteral("Il dato è già scritto con π: non dividere per 3,14.");
        }
    }
    return std::nullopt;
}

} // namespace

QString working(const Exercise &exercise)
{
    const ExerciseKind &k = exercise.set->kind(exercise.kind);
    Symbols s = exercise.set->seen(exercise);
    QStringList lines;
    for (const FormulaEntry *entry : k.steps) {
        if (!entry)
            continue;
        const Formula f(*entry);
        lines << f.worked(s, QString::fromUtf16(entry->unit));
        s.insert(f.symbol(), f.evaluate(s));
    }
    return lines.join(QStringLiteral(", "));
}

std::optional<QString> likelyMistake(const Exercise &exercise, const Rational &answer)
{
    if (Answer::matches(exercise.value, answer))
        return std::nullopt;

    const ExerciseSet &set = *exercise.set;
    const ExerciseKind &kind = set.kind(exercise.kind);
    const Formula asked(kind.answer());
    const Symbols steps = set.worked(exercise);
    if (asked.isRounded()) {
        if (auto slip = rootSlip(asked, steps, answer))
            return slip;
    }
    const bool piGiven = kind.given.formula && steps.value(kind.given.formula->symbol()).hasPi();
    if (auto slip = piSlip(exercise, piGiven, answer))
        return slip;

    const Symbols all = set.measures(exercise);
    for (int i = 0; i < set.mistakeCount; ++i) {
        if (!set.mistakes[i].appliesTo(exercise.kind))
            continue;
        Value value = Formula(*set.mistakes[i].formula).evaluate(all);
        // Where the answer has no π, a quantity with π is compared by its factor.
        if (!exercise.value.hasPi() && value.isPiMultiple())
            value = Value(value.pi());
        if (value == exercise.value)
            continue; // the asked quantity itself, or one equal to it
        if (Answer::matches(value, answer))
            return QString::fromUtf16(set.mistakes[i].text);
    }
    return std::nullopt;
}

QString afterWrongAnswer(const Exercise &exercise, const Rational &answer)
{
    const QString line = working(exercise);
    if (const auto mistake = likelyMistake(exercise, answer))
        return *mistake + u'\n' + line;
    return line;
}

} // namespace WorkedSolution

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/ExerciseState.h"

#include <QString>
#include <functional>
#include <optional>

// The check run when the pupil presses Enter in the answer box: reads the
// typed text as a number, compares it exactly with the expected value (and,
// where the answer is a number times π, with that number times 3,14 in
// hundredths), counts it and says what the window must now show. Only what
// changes is set.
class AnswerCheck
{
public:
    enum class Outcome {
        Right,
        Wrong,
        NotANumber,   // the text does not read as a number: nothing was counted
        CountersFull, // a counter or the total would pass 32767
    };

    struct Result
    {
        Outcome outcome = Outcome::NotANumber;
        QString answerText;             // the box's text after the check
        std::optional<QString> verdict; // lblMessage
        std::optional<QString> rightScore;
        std::optional<QString> wrongScore;
        std::optional<QString> totalScore;
        bool nextEnabled = false;       // cmdNext enabled and focused
    };

    static Result check(ExerciseState &state, const QString &typed, const QString &rightVerdict);

    // The same check with another rule for what is right (given the text as
    // checked and its value) and another wrong verdict: a problem's
    // questions, whose values are not the record's.
    using Rule = std::function<bool(const QString &text, float value)>;
    static Result check(ExerciseState &state, const QString &typed, const QString &rightVerdict, const Rule &isRight,
                        const QString &wrongVerdict);

    // "Sbagliato!! " and the expected value, whole or with its decimals,
    // followed by "π" where it multiplies π.
    static QString wrongVerdict(float expected, bool timesPi = false);
};

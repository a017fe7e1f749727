// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/ExerciseState.h"
#include "formula/Value.h"

#include <QString>
#include <optional>

// The check run when the pupil presses Enter in the answer box: reads the
// typed text as a number into the record, compares the typed decimal
// exactly with the exact expected value by the one answer rule, counts it
// and says what the window must now show. Only what changes is set.
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

    // An exercise: the wrong verdict writes the record's expected value.
    static Result check(ExerciseState &state, const QString &typed, const QString &rightVerdict,
                        const Value &expected);
    // A problem's question, whose value is not the record's, with its own
    // wrong verdict.
    static Result check(ExerciseState &state, const QString &typed, const QString &rightVerdict,
                        const Value &expected, const QString &wrongVerdict);

    // "Sbagliato!! " and the expected value, whole or with its decimals,
    // followed by "π" where it multiplies π.
    static QString wrongVerdict(float expected, bool timesPi = false);
};

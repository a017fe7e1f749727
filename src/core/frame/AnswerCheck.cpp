// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnswerCheck.h"

#include "FrameTexts.h"
#include "common/Checked16.h"
#include "common/ItalianNumber.h"
#include "common/NumberFormat.h"
#include "formula/Answer.h"

#include <cmath>

QString AnswerCheck::wrongVerdict(float expected, bool timesPi)
{
    const bool whole = expected == std::floor(expected);
    return FrameTexts::wrongPrefix()
        + NumberFormat::format(expected, whole ? NumberFormat::Plain4 : NumberFormat::TwoDecimals)
        + (timesPi ? FrameTexts::pi() : QString());
}

AnswerCheck::Result AnswerCheck::check(ExerciseState &state, const QString &typed, const QString &rightVerdict,
                                       const Value &expected)
{
    return check(state, typed, rightVerdict, expected, wrongVerdict(state.sngExpected, state.blnTimesPi));
}

AnswerCheck::Result AnswerCheck::check(ExerciseState &state, const QString &typed, const QString &rightVerdict,
                                       const Value &expected, const QString &wrongVerdict)
{
    Result result;
    result.answerText = typed.isEmpty() ? QStringLiteral("0") : typed;

    const std::optional<float> answer = ItalianNumber::toFloat(result.answerText);
    if (!answer) {
        result.outcome = Outcome::NotANumber;
        result.verdict = FrameTexts::notANumber();
        return result;
    }
    state.sngAnswer = *answer;

    // A full counter keeps its value: the answer is not counted at all.
    const auto full = [&result] {
        result.outcome = Outcome::CountersFull;
        result.verdict = FrameTexts::countersFull();
        return result;
    };

    const std::optional<Rational> exact = Answer::read(result.answerText);
    if (exact && Answer::matches(expected, *exact)) {
        const auto right = checkedAdd16(state.intRight, 1);
        if (!right)
            return full();
        state.intRight = *right;
        result.outcome = Outcome::Right;
        result.verdict = rightVerdict;
    } else {
        const auto wrong = checkedAdd16(state.intWrong, 1);
        if (!wrong)
            return full();
        state.intWrong = *wrong;
        result.outcome = Outcome::Wrong;
        result.verdict = wrongVerdict;
        result.wrongScore = NumberFormat::format(state.intWrong, NumberFormat::Count3);
    }
    result.rightScore = NumberFormat::format(state.intRight, NumberFormat::Count4);
    result.nextEnabled = true;

    // The answer is counted and shown by now; a total past 32767 leaves only
    // the total label as it was.
    const auto total = checkedAdd16(state.intRight, state.intWrong);
    if (!total) {
        result.outcome = Outcome::CountersFull;
        result.verdict = FrameTexts::countersFull();
        return result;
    }
    result.totalScore = NumberFormat::format(*total, NumberFormat::Count4);
    return result;
}

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Drill.h"
#include "exercises/Exercise.h"
#include "formula/Rational.h"

#include <optional>

struct ExerciseSet;

// A solid's exercises, one at a time: its measures on the figure (or "X"),
// the asked quantity, the given-data line.
class ExerciseDrill : public Drill
{
public:
    explicit ExerciseDrill(const ExerciseSet &set);

    int kindCount() const override;
    QString kindName(int kind) const override;
    void next(ExerciseState &state, RandomSource &random, const QList<qint16> &onlyKinds,
              ExerciseControls &controls) override;
    AnswerCheck::Result check(ExerciseState &state, const QString &typed, const QString &rightVerdict) override;
    QString afterWrongAnswer(const ExerciseState &state) const override;
    Asked asked() const override;
    GameResults::Review count(GameResults &results, bool right) override;
    QList<FormulaSheet> formulaSheets() const override;
    QString textToRead() const override;

    const Exercise &exercise() const { return m_exercise; }

private:
    const ExerciseSet &m_set;
    Exercise m_exercise; // the one on screen, for the worked solution
    std::optional<Rational> m_typed; // its last answer, for the likely mistake
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Drill.h"
#include "design/Artwork.h"
#include "problems/ProblemRun.h"

// The problems, one question at a time: the kind, the text, the data, the
// figure and the list of questions stay while a problem lasts; each
// question comes with its own unit, and cmdNext says where it leads.
class ProblemDrill : public Drill
{
public:
    ProblemDrill(const ProblemSet &set, Artwork::IconCache &icons);

    int kindCount() const override;
    QString kindName(int kind) const override;
    void next(ExerciseState &state, RandomSource &random, const QList<qint16> &onlyKinds,
              ExerciseControls &controls) override;
    void abandon() override;
    AnswerCheck::Result check(ExerciseState &state, const QString &typed, const QString &rightVerdict) override;
    void showAnswered(ExerciseControls &controls) override;
    QString afterWrongAnswer(const ExerciseState &state) const override;
    Asked asked() const override;
    GameResults::Review count(GameResults &results, bool right) override;
    QList<FormulaSheet> formulaSheets() const override;
    QString textToRead() const override;

    const ProblemRun &run() const { return m_run; }

private:
    const ProblemSet &m_set;
    ProblemRun m_run;
    Artwork::IconCache &m_icons;
};

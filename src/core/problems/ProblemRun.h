// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ProblemSet.h"
#include "frame/AnswerCheck.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class RandomSource;
struct ExerciseState;

// A problem's questions one at a time, as the problems window asks them:
// the first question of a drawn problem, then each next one, then a new
// problem. It judges the answers; the window keeps the scores, through the
// same check as every exercise window.
class ProblemRun
{
public:
    explicit ProblemRun(const ProblemSet &set);

    // Moves on to the next question, or to the first of a new problem after
    // the last one (and before any).
    void next(ExerciseState &state, RandomSource &random, const QList<qint16> &onlyKinds = {});
    // Leaves the problem unfinished: the next question is a new problem's first.
    void abandon() { m_current = -1; }

    const Problem &problem() const { return m_problem; }
    int current() const { return m_current; } // from 0
    bool startsProblem() const { return m_current == 0; }
    bool isLastQuestion() const { return m_current == m_problem.questions.size() - 1; }
    const AskedQuestion &question() const { return m_problem.questions.at(m_current); }

    // "2. Superficie totale del solido"
    QString questionLine() const;
    // Every question numbered; those answered with their value, the
    // current one marked: "1. Apotema del cono: 10 cm", "► 2. Superficie
    // totale del solido"; a value with a plain and a π part exactly, then
    // with 3,14: "600 + 18π cmq ≈ 656,52 cmq".
    QStringList questionList() const;

    // Checks the current question and counts it in the record's scores.
    AnswerCheck::Result check(ExerciseState &state, const QString &typed, const QString &rightVerdict);
    // After a wrong answer: the likely mistake, if any, then the worked step.
    QString afterWrongAnswer() const;
    // Every question of the problem answered so far was answered right.
    bool allRight() const { return !m_anyWrong; }

private:
    const ProblemSet &m_set;
    Problem m_problem;
    int m_current = -1;
    bool m_answered = false; // the current question has been checked
    bool m_anyWrong = false;
    std::optional<Rational> m_typed; // the last answer, exactly
};

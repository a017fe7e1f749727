// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProblemRun.h"

#include "formula/Answer.h"
#include "frame/FrameTexts.h"

using namespace Qt::Literals::StringLiterals;

ProblemRun::ProblemRun(const ProblemSet &set)
    : m_set(set)
{
}

void ProblemRun::next(ExerciseState &state, RandomSource &random, const QList<qint16> &onlyKinds)
{
    if (m_current < 0 || isLastQuestion()) {
        m_problem = m_set.draw(state, random, onlyKinds);
        m_current = 0;
        m_anyWrong = false;
    } else {
        ++m_current;
    }
    m_answered = false;
    m_typed.reset();
}

QString ProblemRun::questionLine() const
{
    return u"%1. %2"_s.arg(m_current + 1).arg(question().text());
}

QStringList ProblemRun::questionList() const
{
    QStringList lines;
    for (int i = 0; i < m_problem.questions.size(); ++i) {
        const AskedQuestion &q = m_problem.questions.at(i);
        QString line = u"%1. %2"_s.arg(i + 1).arg(q.text());
        if (i < m_current || (i == m_current && m_answered))
            line += u": "_s + (q.withSchoolPiOnly() ? q.valueWithUnit() : q.valueText() + u' ' + q.unit());
        lines << (i == m_current ? u"► "_s : QString()) + line;
    }
    return lines;
}

AnswerCheck::Result ProblemRun::check(ExerciseState &state, const QString &typed, const QString &rightVerdict)
{
    const AskedQuestion &q = question();
    AnswerCheck::Result result =
        AnswerCheck::check(state, typed, rightVerdict, q.value, FrameTexts::wrongPrefix() + q.valueText());
    m_typed = Answer::read(result.answerText);
    if (result.outcome == AnswerCheck::Outcome::Right || result.outcome == AnswerCheck::Outcome::Wrong) {
        m_answered = true;
        m_anyWrong = m_anyWrong || result.outcome == AnswerCheck::Outcome::Wrong;
    }
    return result;
}

QString ProblemRun::afterWrongAnswer() const
{
    const QString step = m_problem.workedStep(m_current);
    if (m_typed) {
        if (const auto mistake = m_problem.likelyMistake(m_current, *m_typed))
            return *mistake + u'\n' + step;
    }
    return step;
}

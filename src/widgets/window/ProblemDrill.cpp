// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProblemDrill.h"

#include "ExerciseControls.h"
#include "design/PictureBox.h"
#include "problems/ProblemTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

ProblemDrill::ProblemDrill(const ProblemSet &set, Artwork::IconCache &icons)
    : m_set(set)
    , m_run(set)
    , m_icons(icons)
{
}

int ProblemDrill::kindCount() const
{
    return m_set.kindCount;
}

QString ProblemDrill::kindName(int kind) const
{
    return QString::fromUtf16(m_set.kind(kind).title);
}

void ProblemDrill::next(ExerciseState &state, RandomSource &random, const QList<qint16> &onlyKinds,
                        ExerciseControls &c)
{
    m_run.next(state, random, onlyKinds);
    const Problem &p = m_run.problem();
    if (m_run.startsProblem()) {
        c.lblKind->setText(p.title());
        c.lblText->setText(p.text());
        const QStringList data = p.dataLines();
        for (int i = 0; i < int(c.lblData.size()); ++i) {
            c.lblData[i]->setText(data.value(i));
            c.lblData[i]->setVisible(i < data.size());
        }
        c.Image4->setDocument(m_icons.document(Artwork::named(QString::fromUtf16(p.row().figure))));
    }
    const AskedQuestion &q = m_run.question();
    if (c.Text1->text() != q.unit())
        c.Text1->setText(q.unit());
    if (c.lblPi)
        c.lblPi->setVisible(q.value.isPiMultiple());
    c.Label5->setText(m_run.questionLine());
    c.lblQuestions->setText(m_run.questionList().join(u'\n'));
    c.cmdNext->setText(m_run.isLastQuestion() ? ProblemTexts::nextProblem() : ProblemTexts::nextQuestion());
}

void ProblemDrill::abandon()
{
    m_run.abandon();
}

AnswerCheck::Result ProblemDrill::check(ExerciseState &state, const QString &typed, const QString &rightVerdict)
{
    return m_run.check(state, typed, rightVerdict);
}

void ProblemDrill::showAnswered(ExerciseControls &c)
{
    c.lblQuestions->setText(m_run.questionList().join(u'\n'));
}

QString ProblemDrill::afterWrongAnswer(const ExerciseState &) const
{
    return m_run.afterWrongAnswer();
}

Drill::Asked ProblemDrill::asked() const
{
    return {kindName(m_run.problem().kind), m_run.question().text()};
}

GameResults::Review ProblemDrill::count(GameResults &results, bool right)
{
    const int kind = m_run.problem().kind;
    results.countStep(kind, right);
    if (m_run.isLastQuestion())
        return results.closeItem(kind, m_run.allRight());
    return results.isReviewing() ? GameResults::Review::Going : GameResults::Review::None;
}

QList<FormulaSheet> ProblemDrill::formulaSheets() const
{
    return m_run.problem().formulaSheets();
}

// The problem's text, then the question asked now.
QString ProblemDrill::textToRead() const
{
    return m_run.problem().text() + u' ' + m_run.questionLine() + u'.';
}

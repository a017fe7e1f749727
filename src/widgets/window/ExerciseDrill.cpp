// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseDrill.h"

#include "ExerciseControls.h"
#include "common/ExerciseState.h"
#include "exercises/ExerciseSet.h"
#include "exercises/WorkedSolution.h"
#include "formula/Answer.h"
#include "frame/FrameTexts.h"

#include <QLabel>
#include <QLineEdit>

ExerciseDrill::ExerciseDrill(const ExerciseSet &set)
    : m_set(set)
{
}

int ExerciseDrill::kindCount() const
{
    return m_set.kindCount;
}

QString ExerciseDrill::kindName(int kind) const
{
    return m_set.kindName(kind);
}

void ExerciseDrill::next(ExerciseState &state, RandomSource &random, const QList<qint16> &onlyKinds,
                         ExerciseControls &c)
{
    m_exercise = m_set.draw(state, random, onlyKinds);
    const Exercise &e = m_exercise;
    // A place the solid does not use keeps its label and unit hidden.
    const auto places = c.places();
    const auto units = c.placeUnits();
    const auto used = [&e](int place) { return e.set->places & (1 << place); };
    for (int place = 0; place < MeasurePlaces; ++place) {
        if (units[place])
            units[place]->setVisible(used(place));
    }
    c.Lblpro1->hide();
    c.lblsl->hide();
    for (QLabel *figureLabel : places) {
        if (figureLabel)
            figureLabel->hide();
    }

    // A measure without a unit label of its own carries its "cm".
    for (int place = 0; place < MeasurePlaces; ++place) {
        if (places[place] && used(place)) {
            places[place]->setText(units[place] ? e.captions[place] : e.measureLabel(place));
            places[place]->show();
        }
    }
    if (e.hasGivenLine())
        c.lblsl->show();
    if (c.lblPi)
        c.lblPi->setVisible(e.timesPi);
    if (!e.unit.isEmpty() && c.Text1->text() != e.unit)
        c.Text1->setText(e.unit);

    c.Label5->setText(e.question);
    if (e.hasGivenLine())
        c.lblsl->setText(e.givenLine);
}

AnswerCheck::Result ExerciseDrill::check(ExerciseState &state, const QString &typed, const QString &rightVerdict)
{
    const AnswerCheck::Result result = AnswerCheck::check(state, typed, rightVerdict, m_exercise.value);
    m_typed = Answer::read(result.answerText);
    return result;
}

QString ExerciseDrill::afterWrongAnswer(const ExerciseState &) const
{
    return m_typed ? WorkedSolution::afterWrongAnswer(m_exercise, *m_typed) : WorkedSolution::working(m_exercise);
}

Drill::Asked ExerciseDrill::asked() const
{
    return {m_set.kindName(m_exercise.kind), m_exercise.question};
}

GameResults::Review ExerciseDrill::count(GameResults &results, bool right)
{
    return results.count(m_exercise.kind, right);
}

QList<FormulaSheet> ExerciseDrill::formulaSheets() const
{
    return {m_set.sheet()};
}

// "Volume. Dati: l = 4 cm.", then the given-data line where there is one.
QString ExerciseDrill::textToRead() const
{
    QStringList parts{m_exercise.question + u'.'};
    if (m_exercise.set)
        parts << FrameTexts::dataPrefix() + m_set.data(m_exercise).join(QStringLiteral("; ")) + u'.';
    if (m_exercise.hasGivenLine())
        parts << m_exercise.givenLine + u'.';
    return parts.join(u' ');
}

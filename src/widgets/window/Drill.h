// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/AnswerCheck.h"
#include "exercises/FormulaSheet.h"
#include "frame/GameResults.h"

#include <QList>
#include <QString>
#include <memory>

class RandomSource;
struct ExerciseControls;
struct ExerciseState;
struct WindowProfile;
namespace Artwork { class IconCache; }

// What an exercise window asks, one item at a time, and how the item is
// shown and checked: a solid's exercises, or a problem's questions. The
// frame drives it; the life cycle, menus, clock, scores and results are
// the frame's alone.
class Drill
{
public:
    virtual ~Drill() = default;

    // The kinds, numbered from 1, as the results name them.
    virtual int kindCount() const = 0;
    virtual QString kindName(int kind) const = 0;

    // The next item, shown on the controls; the frame empties the answer,
    // the verdict and the worked solution before, and hands the focus to
    // the answer after.
    virtual void next(ExerciseState &state, RandomSource &random, const QList<qint16> &onlyKinds,
                      ExerciseControls &controls) = 0;
    // The item on screen is left unanswered: the next is a new one (a new
    // game, a review).
    virtual void abandon() {}
    // Checks the typed answer and counts it in the record.
    virtual AnswerCheck::Result check(ExerciseState &state, const QString &typed, const QString &rightVerdict) = 0;
    // Shows what the item shows once answered, beyond the verdict and scores.
    virtual void showAnswered(ExerciseControls &) {}
    // After a wrong answer: the likely mistake, if any, and the working.
    virtual QString afterWrongAnswer(const ExerciseState &state) const = 0;
    // The item on screen as the class register keeps it: its kind's name
    // and what it asks.
    struct Asked
    {
        QString kind;
        QString question;
    };
    virtual Asked asked() const = 0;
    // The checked answer in the results by kind.
    virtual GameResults::Review count(GameResults &results, bool right) = 0;

    // The formula sheets of what is on screen: the solid's, or the solids'
    // of the problem and the problem's own.
    virtual QList<FormulaSheet> formulaSheets() const = 0;
    // The item as it is read aloud, before its answer: what is asked and
    // what is given.
    virtual QString textToRead() const = 0;
};

// The window's drill: its problems where it has them, else its exercises.
std::unique_ptr<Drill> makeDrill(const WindowProfile &profile, Artwork::IconCache &icons);

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formula/Formula.h"

#include <QList>
#include <QString>

// A formula a worked step is made of, with the unit of what it gives.
struct ProblemStep
{
    Formula formula;
    QString unit;
};

// Another formula a pupil may give instead of a question's, and what it
// tells.
struct ProblemSlip
{
    Formula formula;
    QString text;
};

// A question as asked in one drawn problem: its text, the formulas that
// answer it in turn (the last gives what is asked: "2p = 4 · l", then
// "r = 2 · Ab : 2p"), the slips it may meet and its exact value.
struct AskedQuestion
{
    QString question; // "Raggio del cerchio inscritto nella base"
    QList<ProblemStep> steps;
    QList<ProblemSlip> slips;
    Value value;
    Symbols found; // what each step gave, as later questions take it

    QString symbol() const { return steps.constLast().formula.symbol(); }
    QString text() const { return question; }
    QString unit() const { return steps.constLast().unit; }
    bool timesPi() const { return value.hasPi(); }
    // A value with a plain part and a π part is answered with 3,14 alone,
    // and goes on to later questions so.
    bool withSchoolPiOnly() const { return value.hasPi() && !value.isPiMultiple(); }
    // "10", "216π", and with 3,14 alone its hundredth below: "731,88"; as
    // the verdict writes it.
    QString valueText() const;
    // The exact value, and with π its value with 3,14: "216π cmq ≈ 678,24 cmq".
    QString valueWithUnit() const { return ::valueWithUnit(value, unit()); }
    // What a later question takes from it.
    Value carried() const;
};

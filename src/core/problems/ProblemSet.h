// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exact.h"
#include "exercises/Exercise.h"
#include "exercises/FormulaSheet.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class RandomSource;
struct ExerciseSet;
struct ExerciseState;

// The measures of a problem's solid, named by the symbols a pupil writes
// under "Dati:"; a kind fills those it has. Lengths are whole centimetres.
struct ProblemData
{
    qint64 r = 0, h = 0, hc = 0, l = 0, hp = 0, c1 = 0, c2 = 0, B = 0, b = 0;
    int material = -1; // into ProblemSet::materials; none below 0
    Exact ps;          // the material's specific weight, g/cmc

    bool hasMaterial() const { return material >= 0; }
};

// A material a school problem names, with its specific weight.
struct Material
{
    const char16_t *name; // "ferro"
    qint64 psTenths;      // 78: 7,8 g/cmc
};

// One datum of a problem: "r = 6 cm".
struct ProblemDatum
{
    const char16_t *symbol;
    Exact (*value)(const ProblemData &);
    const char16_t *unit;
};

// One question of a problem, all of it: what is asked, in which unit, the
// formula as a teacher writes it (the worked step puts the numbers into
// it), and the right value (the number that multiplies π where it has π).
struct ProblemQuestion
{
    const char16_t *symbol; // "a", "St", "V", "C", "P"
    const char16_t *text;   // "Apotema del cono"
    const char16_t *unit;   // "cm", "cmq", "cmc", "l", "g"
    const char16_t *formula; // "a = √(r² + hc²)"
    Exact (*value)(const ProblemData &);
    bool timesPi = false;
};

// A value a pupil may give instead of a question's, in the question's own
// form (with π, its factor), and what it tells.
struct ProblemMistake
{
    const char16_t *symbol; // the question it belongs to
    Exact (*value)(const ProblemData &);
    const char16_t *text;
};

// One kind of problem, all of it: how its data are drawn, the text, the
// data, the questions in order and the likely mistakes.
struct ProblemKind
{
    const char16_t *title; // "Cilindro sormontato da un cono"
    DrawRange first;       // the draws, in this order; the shape makes the data of them
    DrawRange second;
    DrawRange third;
    DrawRange weighedFirst; // the first draw where a material is named; low 0: as first
    ProblemData (*shape)(int first, int second, int third);
    const char16_t *text; // as a textbook words it, each datum written "{r}"
    const ProblemDatum *data;
    int dataCount;
    const ProblemQuestion *questions;
    int questionCount;
    const ProblemMistake *mistakes;
    int mistakeCount;
    // The solids it is made of, whose formula sheets the pupil may look at.
    std::array<const ExerciseSet &(*)(), 2> solids;
    bool weighable = true; // a material may be named, and the weight asked last
};

// A question as asked in one drawn problem.
struct AskedQuestion
{
    const ProblemQuestion *row;
    Exact value;

    QString symbol() const { return QString::fromUtf16(row->symbol); }
    QString text() const { return QString::fromUtf16(row->text); }
    QString unit() const { return QString::fromUtf16(row->unit); }
    // "10", "216π": as the verdict and the question list write it.
    QString valueText() const;
    // With its unit, and with π its value with 3,14: "216π cmq ≈ 678,24 cmq".
    QString valueWithUnit() const;
};

// One drawn problem.
struct Problem
{
    const struct ProblemSet *set = nullptr;
    int kind = 0; // numbered from 1
    ProblemData data;
    QList<AskedQuestion> questions;
    std::array<int, 3> draws = {0, 0, 0}; // the three draws it was made of

    const ProblemKind &row() const;
    QString title() const;
    // Each datum's value by its symbol ("r" → "6"), and the material's "ps".
    QHash<QString, QString> dataValues() const;
    QString text() const;       // the kind's text, and the material where there is one
    QStringList dataLines() const; // "r = 6 cm", "ps = 7,8 g/cmc"
    // "a = √(r² + hc²) = √(6² + 8²) = 10 cm": the formula with the data and
    // the earlier questions' values put in.
    QString workedStep(int question) const;
    // What the answer typed (in hundredths) tells, when it is another
    // quantity of the problem, a π or unit slip: "Hai dimenticato ...".
    std::optional<QString> likelyMistake(int question, qint64 typedHundredths) const;
    // Its own sheet (its questions' formulas, the rules of composite solids,
    // weight and capacity, its symbols), then the sheets of its solids.
    QList<FormulaSheet> formulaSheets() const;
};

// The problems: their kinds, numbered from 1, and the materials named.
struct ProblemSet
{
    const ProblemKind *kinds;
    int kindCount;
    const Material *materials;
    int materialCount;

    const ProblemKind &kind(int number) const;

    // The problem of a kind for the given draws, with a material or none.
    Problem make(int kind, int first, int second, int third, int material = -1) const;

    // The next problem: reseeds with the previous kind, draws the kind
    // (among onlyKinds, in a review), reseeds from the clock, then whether
    // a material is named, the draws and the material. Writes intMode,
    // intNumA and intNumB.
    Problem draw(ExerciseState &state, RandomSource &random, const QList<qint16> &onlyKinds = {}) const;
    // A problem of the kind, weighed or not where the kind may be, drawn
    // from the source as it stands: the draws, then the material.
    Problem drawOf(int kind, bool weighed, RandomSource &random) const;
};

// An answer to a question: the value itself in hundredths, or with π its
// factor or its value with π = 3,14 to the hundredth (either hundredth it
// lies between, the one alone where it is exact), all compared exactly.
bool answersQuestion(const AskedQuestion &question, qint64 typedHundredths);

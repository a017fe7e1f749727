// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AskedQuestion.h"
#include "Relation.h"
#include "common/Rows.h"
#include "exercises/Exercise.h"
#include "exercises/ExerciseSet.h"
#include "exercises/FormulaSheet.h"
#include "exercises/Shape.h"
#include "formula/Formula.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class RandomSource;
struct ExerciseSet;
struct ExerciseState;

// A material a school problem names, with its specific weight.
struct Material
{
    const char16_t *name; // "ferro"
    qint64 psTenths;      // 78: 7,8 g/cmc
};

// One question of a problem, one row: what is asked and the formula that
// answers it; its symbol, its unit and the worked step are the formula's.
// A formula may be worked before it, where a textbook finds a measure on
// the way ("2p = 4 · l" before "r = 2 · Ab : 2p").
struct ProblemQuestion
{
    const char16_t *text; // "Apotema del cono"
    const FormulaEntry *formula;
    const FormulaEntry *before = nullptr;

    QString symbol() const { return formula->symbol(); }
};

// Another formula a pupil may give instead of a question's, and what it
// tells; it belongs to the question that gives the symbol it gives.
struct ProblemMistake
{
    const FormulaEntry *formula;
    const char16_t *text;
};

// One kind of problem, all of it: how its data are drawn, the text, the
// figure, the questions in order and the likely mistakes.
struct ProblemKind
{
    const char16_t *title; // "Cilindro sormontato da un cono"
    DrawRange first;       // the draws n1, n2, n3
    DrawRange second;
    DrawRange third;
    DrawRange weighedFirst; // the first draw where a material is named; low 0: as first
    Shape shape;            // the data, from the draws
    MeasurePair pair;       // two of them that may be given by a relation
    const char16_t *text;   // as a textbook words it, each datum written "{r}"
    const char16_t *figure; // the picture's name: "problem-cylinder-cone"
    Rows<ProblemQuestion> questions;
    Rows<ProblemMistake> mistakes;
    // The solids it is made of, whose formula sheets the pupil may look at.
    std::array<const ExerciseSet &(*)(), 2> solids;
    bool weighable = true; // a material may be named, and the weight asked last
    // The symbols it means its own way ("a" a side of the rectangle); the
    // common legend explains the rest.
    std::array<SheetTable::Meaning, 3> meanings = {};
    // Its values have a plain part and a π part: answered with 3,14 alone.
    bool schoolPiOnly = false;
};

// How a drawn problem words what it gives and asks, beyond its numbers.
struct Wording
{
    Relation relation = Relation::ByValue; // of the kind's pair
    bool secondIsX = false;                // the fraction gives the pair's second
    bool kilograms = false;                // the weight in kg, where it has two decimals at most
};

// One drawn problem.
struct Problem
{
    const struct ProblemSet *set = nullptr;
    int kind = 0; // numbered from 1
    Symbols data;  // the measures by their symbols, with ps where a material is named
    int material = -1; // into ProblemSet::materials; none below 0
    QList<AskedQuestion> questions;
    std::array<int, 3> draws = {0, 0, 0}; // the three draws it was made of
    std::optional<GivenPair> pair;        // how the kind's pair is given, where it has one

    bool hasMaterial() const { return material >= 0; }
    const ProblemKind &row() const;
    QString title() const;
    // Each datum's value by its symbol ("r" → "6"), and the material's "ps".
    QHash<QString, QString> dataValues() const;
    QString text() const;       // the kind's text, and the material where there is one
    QStringList dataLines() const; // "r = 6 cm", "d1 + d2 = 28 cm", "ps = 7,8 g/cmc"
    // The data, then the values of the questions before the given one.
    Symbols known(int question) const;
    // "a = √(r² + hc²) = √(6² + 8²) = √(36 + 64) = √100 = 10 cm": the formula
    // with the data and the earlier questions' values put in, step by step.
    QString workedStep(int question) const;
    // What the answer typed tells, when it is another quantity of the
    // problem, a π or unit slip: "Hai dimenticato ...".
    std::optional<QString> likelyMistake(int question, const Rational &typed) const;
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

    // The problem of a kind for the given draws, with a material or none,
    // worded so where it can be (else its pair by value, its weight in g).
    Problem make(int kind, int first, int second, int third, int material = -1, Wording wording = {}) const;

    // The next problem: reseeds with the previous kind, draws the kind
    // (among onlyKinds, in a review), reseeds from the clock, then whether
    // a material is named, the draws and the material. Writes intMode,
    // intNumA and intNumB.
    Problem draw(ExerciseState &state, RandomSource &random, const QList<qint16> &onlyKinds = {}) const;
    // A problem of the kind, weighed or not where the kind may be, drawn
    // from the source as it stands: the draws; half of the weighed ones in
    // kg, where some material gives a weight of two decimals at most in kg;
    // the material (in kg, one of those); then half of the time the pair
    // by a relation, one of those these measures allow.
    Problem drawOf(int kind, bool weighed, RandomSource &random) const;

    // The relations that can give the pair of these draws' measures.
    QList<Relation> relationsFor(int kind, int first, int second, int third, bool secondIsX) const;
};

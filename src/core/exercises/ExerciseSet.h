// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exercise.h"

class RandomSource;
struct ExerciseState;

// Which measures the figure shows as "X" instead of their number.
enum Unknown : quint8 {
    NoUnknown = 0,
    UnknownWidth = 1,
    UnknownDepth = 2,
    UnknownHeight = 4,
    UnknownEdge = UnknownWidth | UnknownDepth | UnknownHeight, // the cube's one edge
};

// One kind of exercise, all of it: what is drawn, what is asked, what is
// given, what is right and how a teacher works it out.
struct ExerciseKind
{
    DrawRange first;          // the cube's edge s, the box's width a
    DrawRange step;           // the box's d, with b = a - d; the cube draws none
    const char16_t *question; // Label5
    quint8 unknown;           // Unknown flags
    QString (*given)(const Measures &);           // lblsl; nullptr when nothing is given
    float (*expected)(const Measures &);          // sngExpected
    QString (*working)(const Measures &, QChar h); // the worked solution; h names the height
    bool diagonal = false;    // the diagonal's own slips are looked for too
};

// A quantity of the solid that a pupil may give instead of the asked one.
struct LikelyMistake
{
    int (*value)(const Measures &);
    const char16_t *text;
};

// A solid's exercises: its kinds, numbered from 1, and how the draws become
// its measures. The generator of a window is one of these.
struct ExerciseSet
{
    const ExerciseKind *kinds;
    int kindCount;
    bool drawsStep; // after the first measure, d and then t (0 or 1) are drawn
    Measures (*shape)(qint16 first, qint16 step, qint16 t);
    const LikelyMistake *mistakes; // in the order they are named when two coincide
    int mistakeCount;

    const ExerciseKind &kind(int number) const;

    // The exercise of a kind for the given draws.
    Exercise make(int kind, qint16 first, qint16 step = 0, qint16 t = 0) const;

    // The next exercise: reseeds with the previous kind, draws the kind,
    // reseeds from the clock, then draws the measures; writes intMode,
    // intNumA, intNumB (when drawn) and sngExpected.
    Exercise draw(ExerciseState &state, RandomSource &random) const;
};

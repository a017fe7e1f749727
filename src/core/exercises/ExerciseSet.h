// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exercise.h"
#include "FormulaSheet.h"

#include <QList>
#include <initializer_list>

class RandomSource;
struct ExerciseState;

// Places of the figure, as bits: which a solid writes, and which a kind
// shows as "X" instead of its number.
enum Place : quint8 {
    NoPlace = 0,
    PlaceA = 1, // Lbla
    PlaceB = 2, // lblb
    PlaceC = 4, // Lblalt
    PlaceD = 8, // lblc
    PlacesABC = PlaceA | PlaceB | PlaceC,
};

// What else a kind is, beside its row's functions.
enum Trait : quint8 {
    NoTraits = 0,
    Diagonal = 1, // rounded to one decimal: the diagonal's own slips are looked for too
    TimesPi = 2,  // the answer is expected · π: the factor or its value with π = 3,14
    PiGiven = 4,  // the given-data line is written with π
};

// One kind of exercise, all of it: what is drawn, what is asked, what is
// given, what is right and how a teacher works it out.
struct ExerciseKind
{
    DrawRange first;          // the first draw, intNumA
    DrawRange step;           // the second, intNumB, where the solid draws one
    const char16_t *question; // Label5
    quint8 unknown;           // Place bits shown as "X"
    QString (*given)(const Measures &);   // lblsl; nullptr when nothing is given
    float (*expected)(const Measures &);  // sngExpected (the factor of π with TimesPi)
    QString (*working)(const Measures &); // the worked solution
    const char16_t *unit = nullptr;       // Text1; nullptr keeps the design's
    quint8 traits = NoTraits;

    bool has(Trait trait) const { return traits & trait; }
};

// A quantity of the solid that a pupil may give instead of the asked one;
// with π, its factor. Some slips belong to a few kinds only (a root left
// out belongs where a root is taken): their kinds as bits, 1 << kind.
struct LikelyMistake
{
    int (*value)(const Measures &);
    const char16_t *text;
    quint32 onlyInKinds = 0; // 0: any kind

    bool appliesTo(int kind) const { return onlyInKinds == 0 || (onlyInKinds & (1u << kind)); }
};

constexpr quint32 kinds(std::initializer_list<int> numbers)
{
    quint32 bits = 0;
    for (int n : numbers)
        bits |= 1u << n;
    return bits;
}

// A solid's exercises: its kinds, numbered from 1, and how the draws become
// its measures. The generator of a window is one of these.
struct ExerciseSet
{
    // What is drawn after the kind: the first measure; then the step; then t,
    // 0 or 1.
    enum Draws : quint8 { First = 1, FirstAndStep = 2, FirstStepAndTurn = 3 };

    const ExerciseKind *kinds;
    int kindCount;
    Draws draws;
    quint8 places; // Place bits: where the figure shows a measure
    Measures (*shape)(qint16 first, qint16 step, qint16 t);
    const LikelyMistake *mistakes; // in the order they are named when two coincide
    int mistakeCount;
    FormulaSheet (*sheet)(); // the formulas its worked solutions begin with
    // Each place's symbol on the formula sheet ("r", "h"); null where none.
    std::array<const char16_t *, MeasurePlaces> symbols;

    const ExerciseKind &kind(int number) const;

    // The exercise of a kind for the given draws.
    Exercise make(int kind, qint16 first, qint16 step = 0, qint16 t = 0) const;

    // The next exercise: reseeds with the previous kind, draws the kind,
    // reseeds from the clock, then draws the measures; writes intMode,
    // intNumA, intNumB (when drawn), sngExpected and blnTimesPi. With
    // onlyKinds, the kind is drawn among those alone (a review).
    Exercise draw(ExerciseState &state, RandomSource &random, const QList<qint16> &onlyKinds = {}) const;
    // An exercise of the kind, its measures drawn from the source as it stands.
    Exercise drawOf(int kind, RandomSource &random) const;

    // The kind as a pupil knows it: its question, and what is given where
    // something is: "Spigolo AB (dato il volume)".
    QString kindName(int kind) const;

    // The measures on the figure in the sheet's symbols, each once and the
    // unknown as "X": "r = 3 cm", "h = X".
    QStringList data(const Exercise &exercise) const;
};

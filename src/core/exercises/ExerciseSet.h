// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Exercise.h"
#include "FormulaSheet.h"
#include "Shape.h"

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

// What a kind gives beside the figure: "Volume = 45π cmc", the label then
// the formula's value and unit.
struct GivenDatum
{
    const char16_t *label = nullptr; // "Volume = "; none when nothing is given
    const FormulaEntry *formula = nullptr;
};

// One kind of exercise, one row: what is drawn, what is asked, what is
// given, and the formulas a teacher works it out with, in turn, from what
// the pupil sees: the last gives the answer.
struct ExerciseKind
{
    DrawRange first;          // the first draw, intNumA
    DrawRange step;           // the second, intNumB, where the solid draws one
    const char16_t *question; // Label5
    quint8 unknown;           // Place bits shown as "X"
    GivenDatum given;         // lblsl
    std::array<const FormulaEntry *, 2> steps;
    const char16_t *unit = nullptr; // Text1; nullptr keeps the design's

    const FormulaEntry &answer() const { return *(steps[1] ? steps[1] : steps[0]); }
};

// Another formula a pupil may have worked out instead of the asked one,
// and what it tells. Some slips belong to a few kinds only (a root left
// out belongs where a root is taken): their kinds as bits, 1 << kind.
struct LikelyMistake
{
    const FormulaEntry *formula;
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

// A solid's formula sheet as its rows: the formulas in their sections, the
// symbols it means its own way ("a" the apothem here, a side there), then
// those of the common legend it uses.
struct SheetTable
{
    struct Meaning
    {
        const char16_t *symbol;
        const char16_t *meaning;
    };

    const char16_t *title;
    std::array<const FormulaEntry *, 6> direct;
    std::array<const FormulaEntry *, 3> inverse;
    std::array<const FormulaEntry *, 3> pythagoras;
    std::array<Meaning, 3> own;
    std::array<const char16_t *, 8> common;
    bool round = false; // the note π ≈ 3,14

    FormulaSheet sheet() const;
};

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
    Shape shape;
    const LikelyMistake *mistakes; // in the order they are named when two coincide
    int mistakeCount;
    const SheetTable *sheetTable; // the formulas its worked solutions begin with
    // Each place's symbol ("r", "h"); null where none.
    std::array<const char16_t *, MeasurePlaces> symbols;

    const ExerciseKind &kind(int number) const;
    FormulaSheet sheet() const { return sheetTable->sheet(); }

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

    // What the pupil can see: the measures not shown as "X", and the given
    // datum by its symbol.
    Symbols seen(const Exercise &exercise) const;
    // What is seen, then each step's result in turn: the worked solution
    // computes from these alone, and the last is the answer.
    Symbols worked(const Exercise &exercise) const;
    // The whole solid's measures by their symbols.
    Symbols measures(const Exercise &exercise) const;
};

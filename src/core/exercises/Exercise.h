// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formula/Value.h"

#include <QString>
#include <QtGlobal>
#include <array>

struct ExerciseSet;

// The measures written on a solid's figure, one for each of its four places:
// Lbla shows a, lblb b, Lblalt c and lblc d; each solid says in its table
// which of its measures stands in which place.
struct Measures
{
    qint16 a = 0;
    qint16 b = 0;
    qint16 c = 0;
    qint16 d = 0;
};

// The whole numbers a draw may give, from low to high.
struct DrawRange
{
    int low;
    int high;
};

// The four places of a figure where a measure is written, in the order of
// Measures: Lbla, lblb, Lblalt, lblc.
inline constexpr int MeasurePlaces = 4;

// One drawn exercise, as the window shows it: the frame applies it to its
// controls and keeps the expected value for the answer check.
struct Exercise
{
    const ExerciseSet *set = nullptr; // the solid's table, for the worked solution
    qint16 kind = 0;
    std::array<qint16, 3> draws = {0, 0, 0}; // first, step, t: what it was made of
    Measures measures;

    // Each place's text: a number, "X", or none where the solid has no measure.
    std::array<QString, MeasurePlaces> captions;
    QString givenLine; // lblsl; empty when the kind gives nothing beside the figure
    QString question;  // Label5
    QString unit;      // Text1; empty where the window keeps its designed "cm"
    Value value;           // what is right, exactly
    float expected = 0.0f; // the record's sngExpected: with timesPi, the number that multiplies π
    bool timesPi = false;

    bool hasGivenLine() const { return !givenLine.isEmpty(); }
    // A place's measure as a textbook writes it beside its segment: "8 cm",
    // or "X" where it is asked.
    QString measureLabel(int place) const;
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Solid.h"

#include <QString>
#include <QtGlobal>

struct ExerciseSet;

// The whole numbers a draw may give, from low to high.
struct DrawRange
{
    int low;
    int high;
};

// One drawn exercise, as the window shows it: the frame applies it to its
// controls and keeps the expected value for the answer check.
struct Exercise
{
    const ExerciseSet *set = nullptr; // the solid's table, for the worked solution
    qint16 kind = 0;
    qint16 width = 0;  // a
    qint16 depth = 0;  // b
    qint16 height = 0; // c (the prism calls it h)

    QString widthCaption;  // Lbla: a number or "X"
    QString depthCaption;  // lblb
    QString heightCaption; // Lblalt
    QString givenLine;     // lblsl; empty when the kind gives nothing beside the figure
    QString question;      // Label5
    float expected = 0.0f;

    bool hasGivenLine() const { return !givenLine.isEmpty(); }
    Measures measures() const { return {width, depth, height}; }
};

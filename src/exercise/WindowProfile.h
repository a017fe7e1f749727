// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercises/Exercise.h"

#include <QString>
#include <QList>
#include <QStringList>

class RandomSource;
struct ExerciseState;

// Draws the next exercise of a window into its record.
using ExerciseGenerator = Exercise (*)(ExerciseState &, RandomSource &);

// A menu entry that only shows the makers' or the school's details.
struct CreditEntry
{
    QString name; // the object name: "copy", "Ciao", "Tmer", ...
    QString text;
    QList<CreditEntry> entries;
};

// What makes one exercise window differ from the others: its texts, its
// figure and its generator. The frame is the same for all.
struct WindowProfile
{
    enum class Figure { Cube, Box, Prism };

    QString windowName;       // "cubi", "Tavolas", "Tavola"
    QString designTitle;      // the title before the first resize
    QString descriptiveTitle; // the title while maximised or minimised
    QString rightVerdict;     // lblMessage after a right answer
    Figure figure = Figure::Cube;
    QChar heightLetter = u'c';        // how the worked solution calls the height
    ExerciseGenerator generator = nullptr;
    QList<CreditEntry> creditsBefore; // menu bar entries left of "Nuovo gioco"
    QList<CreditEntry> creditsAfter;  // and right of "Calcolatrice"
    QStringList statusPanels;         // the status bar's text panels, left to right
};

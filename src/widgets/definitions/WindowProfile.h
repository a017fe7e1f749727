// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design/Design.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

struct ExerciseSet;
struct ProblemSet;

// A menu entry that only shows the makers' or the school's details.
struct CreditEntry
{
    QString name; // the object name: "copy", "Ciao", "Tmer", ...
    QString text;
    QList<CreditEntry> entries;
};

// Everything that makes one exercise window differ from the others; the
// frame is the same for all and asks nothing of the figure.
struct WindowProfile
{
    QString windowName;       // "cubi", "Tavolas", "Tavola", "Piramide", ...
    QString registerName;     // what the class register and the teacher call it: "Cubo"
    QString designTitle;      // the title before the first resize
    QString descriptiveTitle; // the title while maximised or minimised
    QString rightVerdict;     // lblMessage after a right answer
    const ExerciseSet *exercises = nullptr; // the generator

    QSize clientArea;                  // twips, as designed
    QList<Design::Control> controls;   // the design table
    Artwork::Picture cursor = Artwork::Picture::None; // the mouse pointer over the client area

    QList<CreditEntry> creditsBefore; // menu bar entries left of "Nuovo gioco"
    QList<CreditEntry> creditsAfter;  // and right of "Calcolatrice"
    QStringList statusPanels;         // the status bar's text panels, left to right
    int answerLength = 5;             // characters the answer box holds: the longest right answer

    // The problems window asks problems instead of exercises, each kind
    // with the figure its row names.
    const ProblemSet *problems = nullptr;
};

// How a window's definition is had: the choice window lists these.
using ProfileSource = WindowProfile (*)();

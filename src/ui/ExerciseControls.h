// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Artwork.h"

#include <QList>
#include <QString>

class AnswerBox;
class PictureBox;
class QLabel;
class QLineEdit;
class QAction;
class QMainWindow;
class QPushButton;
class QTimer;
struct WindowProfile;

// The controls of an exercise window, under the names the frame and the
// generators use. Built anew each time the window is loaded.
struct ExerciseControls
{
    QLabel *lblMessage = nullptr;
    QLabel *Label4 = nullptr;
    AnswerBox *txtAnswer = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *lblTime = nullptr;
    PictureBox *Image1 = nullptr;
    PictureBox *Image4 = nullptr;
    PictureBox *Picture3 = nullptr;
    QLabel *lblNum1 = nullptr;
    QLabel *lblNum2 = nullptr;
    QLabel *Label2[3] = {nullptr, nullptr, nullptr};
    QLabel *Lbla = nullptr;
    QLabel *lblb = nullptr;
    QLabel *Lblalt = nullptr;
    QLabel *Lblpro1 = nullptr;
    QLabel *lblsl = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *lblScore = nullptr;
    QLabel *lblScore1 = nullptr;
    QLabel *lblScore2 = nullptr;
    QPushButton *cmdNext = nullptr;
    QLabel *lblSolution = nullptr; // the worked solution after a wrong answer
    QTimer *Timer1 = nullptr;

    // The prism window's own labels, which no exercise writes.
    QLabel *lblc = nullptr;
    QLabel *Label7 = nullptr;
};

// The menu entries that act; the credit entries beside them do nothing.
struct ExerciseMenus
{
    QAction *newGame = nullptr;    // "new"
    QAction *calculator = nullptr; // "calc"
};

// Builds the window's controls and timer from its design.
ExerciseControls buildExerciseControls(QMainWindow &window, const WindowProfile &profile,
                                       Artwork::IconCache &icons);

// Takes them down again: the window is left bare, ready to be built anew.
void removeExerciseControls(QMainWindow &window, ExerciseControls &controls);

// The menu bar and the status bar never change, so they are built once.
ExerciseMenus buildExerciseMenus(QMainWindow &window, const WindowProfile &profile);
void buildExerciseStatusBar(QMainWindow &window, const WindowProfile &profile);

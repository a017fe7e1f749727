// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design/Artwork.h"

#include <array>

class AnswerBox;
class PictureBox;
class QAction;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QTimer;
struct WindowProfile;

// The controls of an exercise window, under the names the frame and the
// generators use, bound by their rows' roles. Built anew each time the
// window is loaded; a control the window's design lacks stays null.
struct ExerciseControls
{
    QLabel *lblMessage = nullptr;   // the verdict
    QLabel *Label4 = nullptr;       // the "=" before the answer
    AnswerBox *txtAnswer = nullptr; // the answer box
    QLineEdit *Text1 = nullptr;     // the unit "cm" after it, read-only
    QLabel *lblTime = nullptr;      // the clock while maximised or minimised
    PictureBox *Image1 = nullptr;   // the clock's picture
    PictureBox *Image4 = nullptr;   // the figure: cube, box or prism
    PictureBox *Picture3 = nullptr; // the teacher
    QLabel *lblNum1 = nullptr;      // number boxes by the figure, never written
    QLabel *lblNum2 = nullptr;
    QLabel *Label2[4] = {nullptr, nullptr, nullptr, nullptr}; // "cm" by Lblalt, Lbla, lblb and lblc
    QLabel *Lbla = nullptr;         // the measures on the figure, or "X": the box's width,
    QLabel *lblb = nullptr;         // its depth
    QLabel *Lblalt = nullptr;       // and its height
    QLabel *Lblpro1 = nullptr;      // hidden by every exercise
    QLabel *lblsl = nullptr;        // the given-data line of the inverse kinds
    QLabel *Label5 = nullptr;       // the asked quantity
    QLabel *Label6 = nullptr;       // "Risposte esatte"
    QLabel *Label1 = nullptr;       // "Risposte errate"
    QLabel *Label3 = nullptr;       // "Risposte totali"
    QLabel *lblScore = nullptr;     // right answers
    QLabel *lblScore1 = nullptr;    // wrong answers
    QLabel *lblScore2 = nullptr;    // all answers
    QPushButton *cmdNext = nullptr; // "&Nuovo calcolo": the next exercise
    QLabel *lblSolution = nullptr;  // the worked solution after a wrong answer
    QTimer *Timer1 = nullptr;       // the clock's 500 ms tick

    QLabel *lblc = nullptr;   // a fourth measure: the prism's hypotenuse
    QLabel *Label7 = nullptr; // the prism's "h" by the height, never written
    QLabel *lblPi = nullptr;  // how to write an answer with π, while one is asked

    // The problems window's own: the kind of problem, its text, its data
    // ("r = 6 cm"), and its questions with the current one marked.
    QLabel *lblKind = nullptr;
    QLabel *lblText = nullptr;
    std::array<QLabel *, 6> lblData = {}; // as many as a problem's data: relations, measures, ps
    QLabel *lblQuestions = nullptr;

    // The measures' labels in the order of the figure's places, and the
    // unit beside each.
    std::array<QLabel *, 4> places() const { return {Lbla, lblb, Lblalt, lblc}; }
    std::array<QLabel *, 4> placeUnits() const { return {Label2[1], Label2[2], Label2[0], Label2[3]}; }
};

// The menu entries that act; the credit entries beside them do nothing.
struct ExerciseMenus
{
    QAction *newGame = nullptr;    // "new"
    QAction *calculator = nullptr; // "calc"
    QAction *results = nullptr;    // "results": the game by kind, and the review
    QAction *formulas = nullptr;   // "formulas": the formula sheet
    QAction *read = nullptr;       // "read": reads the exercise aloud, also on F5
};

// Builds the window's controls and timer from its design.
ExerciseControls buildExerciseControls(QMainWindow &window, const WindowProfile &profile,
                                       Artwork::IconCache &icons);

// Takes them down again: the window is left bare, ready to be built anew.
void removeExerciseControls(QMainWindow &window, ExerciseControls &controls);

// The menu bar and the status bar never change, so they are built once.
ExerciseMenus buildExerciseMenus(QMainWindow &window, const WindowProfile &profile);
void buildExerciseStatusBar(QMainWindow &window, const WindowProfile &profile, Artwork::IconCache &icons);

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercises/Exercise.h"
#include "exercises/ExerciseSet.h"
#include "problems/ProblemSet.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A worksheet a teacher prints: exercises drawn from the windows' own
// exercise sets and problems, in one or more versions that hold the same mix
// in the same order with other numbers, each with its solutions. The sheet's
// number determines the draw, so that the same number and choices give the
// same sheet again. Only the texts are made here; the pages are drawn on top.
namespace Worksheets {

inline constexpr int MaxExercises = 40;
inline constexpr int MaxVersions = 4;
inline constexpr int MaxNumber = 99999;

// What an exercise of a sheet is drawn from: a solid's exercises, or the
// problems.
struct Source
{
    const ExerciseSet *exercises = nullptr;
    const ProblemSet *problems = nullptr;

    int kindCount() const;
    QString name() const; // as the sheet heads its exercises: "Cilindro", "Problemi"
};

struct Request
{
    QList<Source> offered; // what the teacher may tick, in the choice window's order
    QList<int> choices;    // ticked, each an index into offered
    int exercises = 12;
    int versions = 1;
    bool solutions = true;
    int number = 1;
};

// One exercise of a version, as the page writes it.
struct Item
{
    int number = 0;  // from 1
    int choice = 0; // into the request's offered sources
    std::optional<Exercise> exercise; // a solid's exercise, drawn as the window draws its figure
    std::optional<Problem> problem;   // or a problem
    QString heading;      // "Esercizio 3 · Cilindro", "Esercizio 7 · Problema: …"
    QString text;         // a problem's text; empty for an exercise
    QString dataLine;     // "Dati: r = 3 cm; h = 5 cm"
    QStringList questions; // "Calcola: superficie laterale", or a problem's "1. Apotema del cono"
    QStringList units;     // each question's answer unit
    QString solution;      // "3. 45π cmc ≈ 141,3 cmc"
    QStringList working;   // the worked solution, line by line
};

struct Version
{
    QChar letter; // 'A' to 'D'
    QList<Item> items;
};

// The versions of the sheet; none when nothing is ticked.
QList<Version> make(const Request &request);

// The page's texts.
QString pageHeader(int number, QChar version);  // "Il Tramolo · Scheda n. 123 · Versione A"
QString pageFooter(int page, int pages);        // "Pagina 1 di 3"
QString pupilLines();                           // "Cognome e nome … Classe … Data …"
QString solutionsTitle();                       // "Soluzioni"
QString answerLine(const QString &unit);        // "Risposta: ________ cmq"

} // namespace Worksheets

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseProfiles.h"

#include "exercises/BoxExercises.h"
#include "exercises/CubeExercises.h"

namespace ExerciseProfiles {

namespace {

QList<CreditEntry> boxCredits()
{
    return {{QStringLiteral("Ciao"), QStringLiteral("Ciao!"),
             {{QStringLiteral("Tmer"), QStringLiteral("Il Tramolo, esercizi di geometria solida"), {}},
              {QStringLiteral("scuola"), QStringLiteral("Per la scuola secondaria di primo grado"), {}},
              {QStringLiteral("software"), QStringLiteral("Brenvo software"), {}}}}};
}

} // namespace

WindowProfile cube()
{
    WindowProfile p;
    p.windowName = QStringLiteral("cubi");
    p.designTitle = QStringLiteral("CUBI");
    p.descriptiveTitle = QStringLiteral("Ripassiamo le formule del cubo");
    p.rightVerdict = QStringLiteral("Esatto. Ok!!!");
    p.figure = WindowProfile::Figure::Cube;
    p.generator = &CubeExercises::draw;
    p.creditsBefore = {{QStringLiteral("copy"), QStringLiteral("Brenvo software"), {}}};
    p.creditsAfter = {{QStringLiteral("ist"), QStringLiteral("Per la scuola secondaria"), {}}};
    p.statusPanels = {QStringLiteral("I solidi"), QStringLiteral("Cubi"), QStringLiteral("Record di")};
    return p;
}

WindowProfile box()
{
    WindowProfile p;
    p.windowName = QStringLiteral("Tavolas");
    p.designTitle = QStringLiteral("             Parallelepipedo");
    p.descriptiveTitle = QStringLiteral("Giocare con i solidi");
    p.rightVerdict = QStringLiteral("Esatto. Ok!!");
    p.figure = WindowProfile::Figure::Box;
    p.generator = &BoxExercises::draw;
    p.creditsBefore = boxCredits();
    p.statusPanels = {QStringLiteral("I solidi"), QStringLiteral("Parallelepido rettangolo"),
                      QStringLiteral("Record di")};
    return p;
}

WindowProfile prism()
{
    WindowProfile p;
    p.windowName = QStringLiteral("Tavola");
    p.designTitle = QStringLiteral("Gioca  con i  teoremi di Pitagora e di Euclide");
    p.descriptiveTitle = QStringLiteral("Giocare con il Teorema di Pitagora");
    p.rightVerdict = QStringLiteral("Esatto, è incredibile!!!");
    p.figure = WindowProfile::Figure::Prism;
    p.heightLetter = u'h';
    p.generator = &BoxExercises::draw;
    p.creditsBefore = boxCredits();
    p.statusPanels = {QStringLiteral("I solidi"), QStringLiteral("Teoremi di Euclide"),
                      QStringLiteral("Teorema di Euclide"), QStringLiteral("Record di")};
    return p;
}

} // namespace ExerciseProfiles

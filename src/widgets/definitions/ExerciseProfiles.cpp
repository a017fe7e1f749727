// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseProfiles.h"

#include "ExerciseDesign.h"
#include "exercises/BoxExercises.h"
#include "exercises/CubeExercises.h"

using namespace Qt::Literals::StringLiterals;

namespace ExerciseProfiles {

namespace {

QList<CreditEntry> boxCredits()
{
    return {{u"Ciao"_s, u"Ciao!"_s,
             {{u"Tmer"_s, u"Il Tramolo, esercizi di geometria solida"_s, {}},
              {u"scuola"_s, u"Per la scuola secondaria di primo grado"_s, {}},
              {u"software"_s, u"Brenvo software"_s, {}}}}};
}

} // namespace

// Each window in the order of its profile's fields: name, titles (at load;
// maximised or minimised), verdict after a right answer, the height's letter
// and the generator; client area, design and pointer; menus and status bar.
WindowProfile cube()
{
    return {u"cubi"_s, u"CUBI"_s, u"Ripassiamo le formule del cubo"_s, u"Esatto. Ok!!!"_s, u'c', &CubeExercises::set(),
            {10620, 7710}, ExerciseDesign::cube(), Artwork::Picture::None, {{u"copy"_s, u"Brenvo software"_s, {}}},
            {{u"ist"_s, u"Per la scuola secondaria"_s, {}}}, {u"I solidi"_s, u"Cubi"_s, u"Record di"_s}};
}

WindowProfile box()
{
    return {u"Tavolas"_s, u"             Parallelepipedo"_s, u"Giocare con i solidi"_s, u"Esatto. Ok!!"_s, u'c',
            &BoxExercises::set(), {12795, 8280}, ExerciseDesign::box(), Artwork::Picture::PencilCursor, boxCredits(),
            {}, {u"I solidi"_s, u"Parallelepido rettangolo"_s, u"Record di"_s}};
}

WindowProfile prism()
{
    return {u"Tavola"_s, u"Gioca  con i  teoremi di Pitagora e di Euclide"_s, u"Giocare con il Teorema di Pitagora"_s,
            u"Esatto, è incredibile!!!"_s, u'h', &BoxExercises::set(), {8880, 8130}, ExerciseDesign::prism(),
            Artwork::Picture::PencilCursor, boxCredits(), {},
            {u"I solidi"_s, u"Teoremi di Euclide"_s, u"Teorema di Euclide"_s, u"Record di"_s}};
}

} // namespace ExerciseProfiles

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseProfiles.h"

#include "Catalogue.h"
#include "ExerciseDesign.h"
#include "exercises/BoxExercises.h"
#include "exercises/ConeExercises.h"
#include "exercises/CubeExercises.h"
#include "exercises/CylinderExercises.h"
#include "exercises/PrismExercises.h"
#include "exercises/PyramidExercises.h"
#include "exercises/SphereExercises.h"
#include "problems/ProblemKinds.h"

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

// An answer k · 3,14 with its hundredths, "3768,00", fits seven characters.
constexpr int PiAnswerLength = 7;
// A problem's answers reach nine characters: a weight with 3,14, "95518,8".
constexpr int ProblemAnswerLength = 9;

} // namespace

// Each window in the order of its profile's fields: names, titles (at load;
// maximised or minimised), verdict after a right answer and the generator;
// client area, design and pointer; menus and status bar; the answer's length.
WindowProfile cube()
{
    return {u"cubi"_s, u"Cubo"_s, u"CUBI"_s, u"Ripassiamo le formule del cubo"_s, u"Esatto. Ok!!!"_s,
            &CubeExercises::set(), {10620, 7710}, ExerciseDesign::cube(), Artwork::Picture::None, {{u"copy"_s, u"Brenvo software"_s, {}}},
            {{u"ist"_s, u"Per la scuola secondaria"_s, {}}}, {u"I solidi"_s, u"Cubi"_s, u"Record di"_s}};
}

WindowProfile box()
{
    return {u"Tavolas"_s, u"Parallelepipedo"_s, u"             Parallelepipedo"_s, u"Giocare con i solidi"_s,
            u"Esatto. Ok!!"_s,
            &BoxExercises::set(), {12795, 8280}, ExerciseDesign::box(), Artwork::Picture::PencilCursor, boxCredits(),
            {}, {u"I solidi"_s, u"Parallelepido rettangolo"_s, u"Record di"_s}};
}

WindowProfile prism()
{
    return {u"Tavola"_s, u"Prisma"_s, u"Gioca  con i  teoremi di Pitagora e di Euclide"_s,
            u"Giocare con il Teorema di Pitagora"_s,
            u"Esatto, è incredibile!!!"_s, &PrismExercises::set(), {8880, 8130}, ExerciseDesign::prism(),
            Artwork::Picture::PencilCursor, boxCredits(), {},
            {u"I solidi"_s, u"Teoremi di Euclide"_s, u"Teorema di Euclide"_s, u"Record di"_s}};
}

WindowProfile pyramid()
{
    return {u"Piramide"_s, u"Piramide"_s, u"PIRAMIDE"_s, u"Ripassiamo le formule della piramide"_s, u"Esatto, bravo!!!"_s,
            &PyramidExercises::set(), {10620, 7710}, ExerciseDesign::pyramid(), Artwork::Picture::None, boxCredits(),
            {}, {u"I solidi"_s, u"Piramide"_s, u"Record di"_s}};
}

WindowProfile cylinder()
{
    return {u"Cilindro"_s, u"Cilindro"_s, u"CILINDRO"_s, u"Ripassiamo le formule del cilindro"_s, u"Esatto. Ottimo!!!"_s,
            &CylinderExercises::set(), {10620, 7710}, ExerciseDesign::cylinder(), Artwork::Picture::None,
            boxCredits(), {}, {u"I solidi"_s, u"Cilindro"_s, u"Record di"_s}, PiAnswerLength};
}

WindowProfile cone()
{
    return {u"Cono"_s, u"Cono"_s, u"CONO"_s, u"Ripassiamo le formule del cono"_s, u"Esatto, perfetto!!!"_s,
            &ConeExercises::set(), {10620, 7710}, ExerciseDesign::cone(), Artwork::Picture::None, boxCredits(), {},
            {u"I solidi"_s, u"Cono"_s, u"Record di"_s}, PiAnswerLength};
}

WindowProfile sphere()
{
    return {u"Sfera"_s, u"Sfera"_s, u"SFERA"_s, u"Ripassiamo le formule della sfera"_s, u"Esatto. Grande!!!"_s,
            &SphereExercises::set(), {10620, 7710}, ExerciseDesign::sphere(), Artwork::Picture::None, boxCredits(),
            {}, {u"I solidi"_s, u"Sfera"_s, u"Record di"_s}, PiAnswerLength};
}

WindowProfile problems()
{
    WindowProfile p{u"Problemi"_s, u"Problemi"_s, u"PROBLEMI"_s, u"Problemi di geometria solida"_s, u"Esatto!"_s, nullptr,
                    {13500, 7710}, ExerciseDesign::problems(), Artwork::Picture::None, boxCredits(), {},
                    {u"I solidi"_s, u"Problemi"_s, u"Record di"_s}, ProblemAnswerLength};
    p.problems = &ProblemKinds::set();
    return p;
}

QList<ProfileSource> all()
{
    QList<ProfileSource> out;
    for (const CatalogueEntry &entry : Catalogue::Entries)
        out << entry.profile;
    return out;
}

} // namespace ExerciseProfiles

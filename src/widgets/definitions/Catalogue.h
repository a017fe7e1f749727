// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExerciseProfiles.h"
#include "design/Artwork.h"
#include "sheets/Worksheet.h"

#include <QList>
#include <iterator>

// The windows the choice window offers, in its order and so in the focus
// order, each with its button's name, caption and picture and the window's
// definition: the one list the choice window, the worksheets and the tests
// read. A new window is a row here.
struct CatalogueEntry
{
    const char16_t *button;  // the button's object name
    const char16_t *caption; // "Cubi"
    Artwork::Picture picture;
    ProfileSource profile;
};

namespace Catalogue {

inline constexpr CatalogueEntry Entries[] = {
    {u"Command3", u"Cubi", Artwork::Picture::ChoiceCube, &ExerciseProfiles::cube},
    {u"cmdBox", u"Parallelepipedo", Artwork::Picture::Box, &ExerciseProfiles::box},
    {u"cmdPrism", u"Prisma", Artwork::Picture::Prism, &ExerciseProfiles::prism},
    {u"cmdPyramid", u"Piramide", Artwork::Picture::Pyramid, &ExerciseProfiles::pyramid},
    {u"cmdCylinder", u"Cilindro", Artwork::Picture::Cylinder, &ExerciseProfiles::cylinder},
    {u"cmdCone", u"Cono", Artwork::Picture::Cone, &ExerciseProfiles::cone},
    {u"cmdSphere", u"Sfera", Artwork::Picture::Sphere, &ExerciseProfiles::sphere},
    {u"cmdProblems", u"Problemi", Artwork::Picture::CylinderCone, &ExerciseProfiles::problems},
};
inline constexpr int Count = int(std::size(Entries));

// What each window offers a worksheet, in the same order.
QList<Worksheets::Source> sources();

} // namespace Catalogue

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"

namespace Catalogue {

QList<Worksheets::Source> sources()
{
    QList<Worksheets::Source> out;
    for (const CatalogueEntry &entry : Entries) {
        const WindowProfile profile = entry.profile();
        out << Worksheets::Source{profile.exercises, profile.problems};
    }
    return out;
}

} // namespace Catalogue

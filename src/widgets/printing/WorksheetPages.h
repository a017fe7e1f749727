// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Pages.h"
#include "sheets/Worksheet.h"

// A worksheet's pages: for each version, the pupil's lines, every exercise
// whole with its figure, data, questions and answer lines, then, with the
// solutions, a page of solutions and workings.
namespace WorksheetPages {

Pages make(const Worksheets::Request &request, const QList<Worksheets::Version> &versions);

} // namespace WorksheetPages

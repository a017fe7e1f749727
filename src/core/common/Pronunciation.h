// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The program's texts as Italian a speech engine reads well: a pupil who
// reads slowly hears "V uguale a pi greco per r al quadrato per h" where the
// screen writes "V = π · r² · h". Numbers keep their digits (engines read
// them well), their decimals are said digit by digit from the zeros on
// ("4,05": "4 virgola zero 5"), a fraction by its name ("3/4": "tre
// quarti"), units and symbols are said in full, and the signs of a formula
// become words.
namespace Pronunciation {

QString spoken(QStringView text);

} // namespace Pronunciation

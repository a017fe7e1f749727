// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>

// A solid's formula sheet, as the teacher hands it out to a pupil whose
// plan grants one: the direct formulas, the inverse ones, the Pythagoras
// relations, what else to remember and what each symbol means. The
// formulas are the very strings the worked solutions begin with, so that
// the sheet and the board never write a formula two ways.
struct FormulaSheet
{
    struct Symbol
    {
        QString symbol;  // "Sl"
        QString meaning; // "superficie laterale"
    };

    QString title;          // "Cilindro"
    QStringList direct;     // "V = π · r² · h"
    QStringList inverse;    // "h = V : (π · r²)"
    QStringList pythagoras; // "a = √(r² + h²)"
    QStringList notes;      // "π ≈ 3,14"
    QList<Symbol> legend;

    // Whether the formula is on the sheet, in any of its lists.
    bool holds(const QString &formula) const;

    // The sheet as lines of text, in the order it is shown: what a screen
    // reader, the reading aloud and a test see.
    QStringList lines() const;
};

namespace Formulas {

// The column headings and the sections' titles.
QString directTitle();     // "Formule dirette"
QString inverseTitle();    // "Formule inverse"
QString pythagorasTitle(); // "Teorema di Pitagora"
QString legendTitle();     // "Legenda"

// The legend of symbols that mean the same on every sheet ("Ab", "2p",
// "Sl", "St", "V", "h", ...); a sheet adds the few it means its own way.
QList<FormulaSheet::Symbol> legend(const QStringList &symbols);

// A list of formulas from their constants.
QStringList list(std::initializer_list<QStringView> formulas);

// The note every sheet of a round solid carries.
QString piNote(); // "π ≈ 3,14"

} // namespace Formulas

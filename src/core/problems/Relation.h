// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AskedQuestion.h"
#include "exercises/FormulaSheet.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// How a problem gives a pair of its measures: by value, or hidden as the
// class test hides them, to be found first by the method of the segments.
//   sum and ratio          "d1 + d2 = 28 cm"   "d1 = 3/4 · d2"
//   difference and ratio   "d2 − d1 = 4 cm"    "d1 = 3/4 · d2"
//   sum and difference     "d2 + d1 = 28 cm"   "d2 − d1 = 4 cm"
//   fraction of a datum    "d2 = 16 cm"        "d1 = 3/4 · d2"
// x is the measure the fraction gives (in the sum and difference, the
// larger), y the other; either of the pair may be x.
enum class Relation : quint8 { ByValue, SumAndRatio, DifferenceAndRatio, SumAndDifference, FractionOfDatum };
inline constexpr int RelationCount = 5;

// A kind's pair of measures that may be given by a relation, and how the
// text names each of them.
struct MeasurePair
{
    const char16_t *symbols[2] = {};   // {"d1", "d2"}
    const char16_t *questions[2] = {}; // {"Diagonale minore", "Diagonale maggiore"}
    const char16_t *names[2] = {};     // {"la diagonale minore", ...}: with the article
    const char16_t *both = nullptr;    // "delle diagonali"; none: "della … e della …"

    bool isSet() const { return symbols[0] != nullptr; }
};

// A kind's pair as one drawn problem gives it.
class GivenPair
{
public:
    // The pair given so, or nothing where the relation cannot give these
    // measures: a ratio whose terms are not whole from 1 to 9 or are equal,
    // a difference of nothing.
    static std::optional<GivenPair> of(const MeasurePair &pair, Relation relation, bool secondIsX, const Symbols &data);

    Relation relation() const { return m_relation; }
    // s, k, m, n, as the relation gives them.
    Symbols symbols() const;
    // The two "Dato" lines: "d1 + d2 = 28 cm", "d1 = 3/4 · d2".
    QStringList dataLines() const;
    // As the problem's text words it: "La somma delle diagonali misura
    // 28 cm e la diagonale minore è i 3/4 della diagonale maggiore".
    QString sentence() const;
    // The questions that find the hidden measures, in the pair's order:
    // their steps and slips, without their values.
    QList<AskedQuestion> questions() const;
    // What the relation's letters mean, for the formula sheet.
    QList<FormulaSheet::Symbol> legend() const;

private:
    const MeasurePair *m_pair = nullptr;
    Relation m_relation = Relation::ByValue;
    int m_x = 0; // which of the pair is x
    Rational m_values[2];
    qint64 m_m = 0; // x = m/n · y
    qint64 m_n = 0;

    QString symbol(int i) const { return QString::fromUtf16(m_pair->symbols[i]); }
    QString name(int i) const { return QString::fromUtf16(m_pair->names[i]); }
    QString fraction() const; // "3/4"
    QString larger() const;   // the difference as a pupil writes it, the larger first: "d2 − d1"
    // x is the larger of the pair, or as large.
    bool xIsLarger() const { return !(m_values[m_x] - m_values[1 - m_x]).isNegative(); }
};

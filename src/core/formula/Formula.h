// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Value.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

// One formula as the program keeps it: the text a pupil reads, the unit of
// what it gives, and, for a root that is not whole (a diagonal), the
// decimals its value is rounded to.
struct FormulaEntry
{
    const char16_t *text;           // "V = l² · h : 3"
    const char16_t *unit = nullptr; // "cmc"; none for a slip
    qint8 decimals = -1;            // ≈ to so many decimals; below 0 exact

    QString symbol() const; // what it gives: "V"
};

// Each symbol's value, as a problem or a figure gives it.
using Symbols = QHash<QString, Value>;

// A formula written as a textbook writes it, read once into a tree that
// computes its value exactly and writes its worked chain:
//   V = l² · h : 3      St = 2 · π · r · (r + h)     a = √((l : 2)² + h²)
//   l = ∛V              C = V : 1000                 x = 3/4 · y
// Numbers take the decimal comma; "3/4" is a fraction as written; symbols
// are letters with digits after them ("hc", "c1") or a number before them
// ("2p"); "·" and ":" multiply and divide, "+" and "−" add and subtract,
// "²" and "³" raise, "√" and "∛" take a root of what follows, π is π.
class Formula
{
public:
    explicit Formula(QStringView text, int decimals = -1);
    Formula(const FormulaEntry &entry); // NOLINT: an entry is read as its formula
    ~Formula();
    Formula(const Formula &other);
    Formula &operator=(const Formula &other);

    // Whether it read, and if not why: "unknown character ';' at 7".
    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    QString text() const { return m_text; }
    QString symbol() const { return m_symbol; } // the left side: "V"
    QStringList uses() const;                   // the right side's symbols, once each
    bool isRounded() const { return m_decimals >= 0; }

    // The value for the given symbols: invalid where one is missing, a
    // root is not whole (unless the formula is rounded) or the value has
    // no school form (π · π).
    Value evaluate(const Symbols &values) const;
    // A rounded formula's square before the root, exactly: what a pupil
    // who forgot the root, or cut the root, starts from.
    Rational square(const Symbols &values) const;

    // The worked chain as at the board: the formula, its numbers put in,
    // each step to the value, and the value with its unit:
    // "a = √((l : 2)² + h²) = √((10 : 2)² + 12²) = √(5² + 12²) = √(25 + 144) = √169 = 13 cm".
    QString worked(const Symbols &values, QStringView unit) const;

    struct Node;

private:
    QString m_text;
    QString m_symbol;
    int m_decimals = -1;
    bool m_tight = false; // written "4·l²": the worked numbers are written so too
    QString m_error;
    std::unique_ptr<Node> m_right;
};

// The value as the end of a worked chain writes it: "13 cm", and with π
// its value with 3,14, "45π cmc ≈ 141,3 cmc".
QString valueWithUnit(const Value &value, QStringView unit);

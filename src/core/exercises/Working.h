// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Solid.h"

#include <QString>
#include <initializer_list>

// The pieces a worked solution is written with, as at the board.
namespace Working {

// A whole number as it is, other numbers with one decimal: "8,7".
QString n(double value);

// "5²"
QString squared(double value);

// "√(4² + 3² + 6²)"
QString rootOfSquares(const Measures &m);

// The parts joined by " = ".
QString equals(std::initializer_list<QStringView> parts);

// "√(…) = √61 ≈ 7,8 cm", after the formula given.
QString diagonal(QStringView formula, const Measures &m);

// A number times π: "45π".
QString timesPi(int factor);

// A result in π and its value with π = 3,14: "45π cmc ≈ 141,3 cmc".
QString piResult(int factor, QStringView unit);

// The given-data lines of the new solids: "Volume = 48 cmc", and with π
// "Volume = 45π cmc".
QString given(QStringView quantity, int value, QStringView unit);
QString givenTimesPi(QStringView quantity, int factor, QStringView unit);

} // namespace Working

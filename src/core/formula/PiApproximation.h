// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Rational.h"

#include <QtGlobal>

// π as the school writes it, 3,14, counted in hundredths so that a value
// k · 3,14 is compared exactly, never through a float that could miss it.
namespace PiApproximation {

inline constexpr qint64 Hundredths = 314;

inline Rational school() { return Rational::fraction(Hundredths, 100); }

// π as a calculator has it, to ten decimals: what a pupil who did not use
// 3,14 worked with, rounded far finer than any answer box holds.
inline Rational calculator() { return Rational::fraction(31415926536, 10000000000); }

inline qint64 hundredthsOf(qint64 factor) { return factor * Hundredths; }

} // namespace PiApproximation

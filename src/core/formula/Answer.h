// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Rational.h"
#include "Value.h"

#include <QStringView>
#include <optional>

// The one rule by which every window tells a right answer: the typed
// decimal, read exactly, against the exact value.
namespace Answer {

// The typed text as its exact number: "141,3", "007", "4,80". Nothing when
// it is not digits with at most one comma.
std::optional<Rational> read(QStringView typed);

// A plain value is right only as itself ("4,8" and "4,80"). A value q·π is
// right as q, and as q · 3,14 written to the hundredth, or shorter where
// that is exact; where q · 3,14 lies between two hundredths, either. A
// value p + q·π by the same rule on p + q · 3,14.
bool matches(const Value &expected, const Rational &typed);

} // namespace Answer

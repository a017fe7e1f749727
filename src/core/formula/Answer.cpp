// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Answer.h"

namespace Answer {

std::optional<Rational> read(QStringView typed)
{
    return Rational::fromDecimal(typed);
}

bool matches(const Value &expected, const Rational &typed)
{
    if (!expected.isValid() || !typed.isValid())
        return false;
    if (expected.isPlain())
        return typed == expected.plain();
    if (expected.isPiMultiple() && typed == expected.pi())
        return true;
    const Rational approximately = expected.withSchoolPi();
    if (approximately.hasDecimals(2))
        return typed == approximately;
    const Rational below = approximately.truncated(2);
    return typed == below || typed == below + Rational::fraction(1, 100);
}

} // namespace Answer

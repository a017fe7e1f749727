// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AskedQuestion.h"

QString AskedQuestion::valueText() const
{
    return withSchoolPiOnly() ? value.withSchoolPi().truncated(2).text() : value.text();
}

Value AskedQuestion::carried() const
{
    return withSchoolPiOnly() ? Value(value.withSchoolPi()) : value;
}

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The problems window's own words, beside those of every exercise window.
namespace ProblemTexts {

inline QString nextQuestion() { return QStringLiteral("&Avanti"); }
inline QString nextProblem() { return QStringLiteral("&Nuovo problema"); }

} // namespace ProblemTexts

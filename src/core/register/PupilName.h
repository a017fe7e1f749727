// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// How a pupil and a class are named in the register, and the file each
// pupil has on each computer.
namespace PupilName {

inline constexpr int MaxLength = 40;

// As typed, without blanks at the ends, inner blanks made one, at most
// 40 characters.
QString tidy(const QString &typed);
// Two names are the same pupil when they match ignoring case: the key both
// give.
QString key(const QString &schoolClass, const QString &pupil);
// "<classe> - <nome e cognome> - <computer>.csv", with every character a
// file name cannot hold on Windows or Linux made "_"; the name as typed is
// kept inside the file.
QString fileName(const QString &schoolClass, const QString &pupil, const QString &computer);

} // namespace PupilName

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The teacher's code of a register folder, kept in the folder itself so
// that every computer of the lab asks the same one: only a salted,
// iterated hash of it (PBKDF2 with HMAC-SHA-256). It keeps pupils out of
// the program's register window, not out of the folder, which they must be
// able to write.
struct TeacherCode
{
    static constexpr int MinLength = 4;
    static constexpr int Iterations = 60000;

    QByteArray salt;
    int iterations = Iterations;
    QByteArray hash;

    // A new code with a new random salt.
    static TeacherCode make(const QString &code);
    bool matches(const QString &code) const;

    // The file in the folder, and what it holds: one line.
    static QString fileName();
    QByteArray toText() const;
    static std::optional<TeacherCode> fromText(const QByteArray &text);

    // RFC 8018's PBKDF2 over Qt's HMAC, one block of SHA-256.
    static QByteArray pbkdf2(const QByteArray &password, const QByteArray &salt, int iterations);
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Texts shown by every exercise window alike; each window's own texts live in
// its profile.
namespace FrameTexts {

inline QString wrongPrefix() { return QStringLiteral("Sbagliato!! "); }
inline QString pi() { return QStringLiteral("π"); }
// Short enough for the verdict's box at the design's size.
inline QString notANumber() { return QStringLiteral("Numero non valido"); }
inline QString countersFull() { return QStringLiteral("Ricomincia: Nuovo gioco"); }
inline QString messageBoxTitle() { return QStringLiteral("Il Tramolo"); }
inline QString noCalculator()
{
    return QStringLiteral("Non trovo una calcolatrice su questo computer.\n"
                          "Chiedi all'insegnante di installarne una.");
}
inline QString answerName() { return QStringLiteral("Risposta"); }

} // namespace FrameTexts

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
#ifdef Q_OS_WASM
    // A page cannot start a program: the device's own calculator serves.
    return QStringLiteral("Nel browser usa la calcolatrice del tuo dispositivo.");
#else
    return QStringLiteral("Non trovo una calcolatrice su questo computer.\n"
                          "Chiedi all'insegnante di installarne una.");
#endif
}
inline QString answerName() { return QStringLiteral("Risposta"); }

// The results of the game by kind, and the review of the kinds missed.
inline QString resultsMenu() { return QStringLiteral("&Risultati"); }
inline QString resultsTitle() { return QStringLiteral("Risultati"); }
inline QString resultsRow(const QString &kind, int right, int wrong)
{
    return QStringLiteral("%1 — esatte %2, errate %3").arg(kind).arg(right).arg(wrong);
}
inline QString resultsTotal(int right, int wrong)
{
    return QStringLiteral("Totale — esatte %1, errate %2, risposte %3").arg(right).arg(wrong).arg(right + wrong);
}
inline QString noResults() { return QStringLiteral("Nessuna risposta ancora."); }
inline QString reviewButton() { return QStringLiteral("Ripassa gli &errori"); }
inline QString closeButton() { return QStringLiteral("&Chiudi"); }
inline QString reviewLeft(int kinds) { return QStringLiteral("Ripasso: ancora %1").arg(kinds); }
inline QString reviewFinished() { return QStringLiteral("Ripasso finito"); }
inline QString reviewName() { return QStringLiteral("Ripasso"); }

// The compensatory tools: the formula sheet and the reading aloud.
inline QString formulasMenu() { return QStringLiteral("&Formulario"); }
inline QString formulasTitle() { return QStringLiteral("Formulario"); }
inline QString readMenu() { return QStringLiteral("&Leggi"); }
inline QString reading() { return QStringLiteral("Lettura in corso…"); }
inline QString noSpeech() { return QStringLiteral("Sintesi vocale non disponibile"); }
inline QString speechName() { return QStringLiteral("Sintesi vocale"); }
inline QString dataPrefix() { return QStringLiteral("Dati: "); }

} // namespace FrameTexts

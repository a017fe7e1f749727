#pragma once

#include <QString>

// Texts shown by every exercise window alike; each window's own texts live in
// its profile.
namespace FrameTexts {

inline QString wrongPrefix() { return QStringLiteral("Sbagliato!! "); }
inline QString notANumber() { return QStringLiteral("Scrivi un numero, per esempio 12,5"); }
inline QString countersFull() { return QStringLiteral("Troppe risposte: scegli Nuovo gioco"); }
inline QString messageBoxTitle() { return QStringLiteral("Il Tramolo"); }
inline QString noCalculator()
{
    return QStringLiteral("Non trovo una calcolatrice su questo computer.\n"
                          "Chiedi all'insegnante di installarne una.");
}
inline QString answerName() { return QStringLiteral("Risposta"); }

} // namespace FrameTexts

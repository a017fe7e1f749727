// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The words of the worksheet and results dialogs, and of saving and printing.
namespace PrintTexts {

inline QString worksheetTitle() { return QStringLiteral("Scheda da stampare"); }
inline QString exercisesCount() { return QStringLiteral("&Numero di esercizi"); }
inline QString versions() { return QStringLiteral("&Versioni"); }
inline QString withSolutions() { return QStringLiteral("Con le s&oluzioni"); }
inline QString sheetNumber() { return QStringLiteral("Numero della &scheda"); }
inline QString sheetNumberName() { return QStringLiteral("Numero della scheda"); }
#ifdef Q_OS_WASM
// A page saves nothing itself: the browser downloads the file.
inline QString savePdf() { return QStringLiteral("Scarica &PDF…"); }
inline QString downloaded(const QString &name)
{
    return QStringLiteral("Il file «%1» è stato scaricato: lo trovi tra i download del browser.").arg(name);
}
#else
inline QString savePdf() { return QStringLiteral("Salva &PDF…"); }
#endif
inline QString print() { return QStringLiteral("S&tampa…"); }
inline QString close() { return QStringLiteral("&Chiudi"); }
inline QString cancel() { return QStringLiteral("&Annulla"); }
inline QString sheetFileName(int number) { return QStringLiteral("Scheda %1.pdf").arg(number); }
inline QString pdfFilter() { return QStringLiteral("Documenti PDF (*.pdf)"); }
inline QString saveTitle() { return QStringLiteral("Salva come PDF"); }

inline QString resultsPrint() { return QStringLiteral("Stampa i ris&ultati…"); }
inline QString resultsDialogTitle() { return QStringLiteral("Stampa i risultati"); }
inline QString pupilName() { return QStringLiteral("&Nome dell'alunno"); }
inline QString resultsFileName(const QString &pupil)
{
    return pupil.isEmpty() ? QStringLiteral("Risultati.pdf") : QStringLiteral("Risultati %1.pdf").arg(pupil);
}

// Why a file could not be written, and what became of it.
inline QString notSaved(const QString &path, const QString &why)
{
    return QStringLiteral("Non è stato possibile salvare il file «%1»: %2. Il file non è stato scritto; "
                          "scegli un'altra cartella o un altro nome.").arg(path, why);
}
inline QString cannotOpen() { return QStringLiteral("la cartella non permette di scrivere o il nome non è valido"); }
inline QString cannotWrite() { return QStringLiteral("la scrittura si è interrotta, forse il disco è pieno"); }
inline QString cannotReplace() { return QStringLiteral("non è stato possibile sostituire il file che c'era"); }
inline QString cannotPaint() { return QStringLiteral("non è stato possibile preparare le pagine"); }
inline QString printFailed() { return QStringLiteral("La stampa non è riuscita."); }
inline QString printUnavailable() { return QStringLiteral("Stampa non disponibile: manca il modulo di stampa."); }
inline QString messageTitle() { return QStringLiteral("Il Tramolo"); }

} // namespace PrintTexts

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Every text of the class register's windows: the teacher's register, the
// code and the pupil's "Chi sei?".
namespace RegisterTexts {

inline QString windowTitle() { return QStringLiteral("Registro della classe"); }
inline QString chooseFolder() { return QStringLiteral("&Cartella…"); }
inline QString folderName() { return QStringLiteral("Cartella del registro"); }
inline QString folderLabel() { return QStringLiteral("Cartella:"); }
inline QString noFolder() { return QStringLiteral("nessuna: scegli la cartella condivisa della scuola"); }
inline QString folderDialogTitle() { return QStringLiteral("Cartella del registro"); }
inline QString classLabel() { return QStringLiteral("C&lasse"); }
inline QString className() { return QStringLiteral("Classe"); }
inline QString allClasses() { return QStringLiteral("Tutte"); }
inline QString tableName() { return QStringLiteral("Alunni"); }
inline QStringList columns()
{
    return {QStringLiteral("Classe"), QStringLiteral("Alunno"), QStringLiteral("Risposte"), QStringLiteral("Esatte"),
            QStringLiteral("Errate"), QStringLiteral("% esatte"), QStringLiteral("Ultima volta"),
            QStringLiteral("Da ripassare")};
}
inline QString reading() { return QStringLiteral("Lettura del registro…"); }
inline QString unreachable() { return QStringLiteral("La cartella del registro non è raggiungibile."); }
inline QString pupilCount(int pupils) { return pupils == 1 ? QStringLiteral("1 alunno") : QStringLiteral("%1 alunni").arg(pupils); }
inline QString unreadableLines(qint64 lines)
{
    return lines == 1 ? QStringLiteral("1 riga illeggibile non considerata")
                      : QStringLiteral("%1 righe illeggibili non considerate").arg(lines);
}
inline QString unreadableFiles(int files)
{
    return files == 1 ? QStringLiteral("1 file che non è del registro non considerato")
                      : QStringLiteral("%1 file che non sono del registro non considerati").arg(files);
}
inline QString saveCsv() { return QStringLiteral("Salva &CSV…"); }
inline QString savePdf() { return QStringLiteral("Salva &PDF…"); }
inline QString print() { return QStringLiteral("&Stampa…"); }
inline QString erasePupil() { return QStringLiteral("&Elimina alunno…"); }
inline QString eraseClass() { return QStringLiteral("Elimina &classe…"); }
inline QString close() { return QStringLiteral("Chiudi"); }
inline QString csvTitle() { return QStringLiteral("Salva come CSV"); }
inline QString csvFilter() { return QStringLiteral("Tabelle CSV (*.csv)"); }
inline QString csvFileName(const QString &schoolClass)
{
    return schoolClass.isEmpty() ? QStringLiteral("Registro.csv") : QStringLiteral("Registro %1.csv").arg(schoolClass);
}
inline QString pdfFileName(const QString &schoolClass)
{
    return schoolClass.isEmpty() ? QStringLiteral("Registro.pdf") : QStringLiteral("Registro %1.pdf").arg(schoolClass);
}
inline QString pagesHeader() { return QStringLiteral("Il Tramolo · Registro della classe"); }
inline QString pagesTitle(const QString &schoolClass)
{
    return schoolClass.isEmpty() ? QStringLiteral("Registro della classe, tutte le classi")
                                 : QStringLiteral("Registro della classe %1").arg(schoolClass);
}
inline QString confirmPupil(const QString &pupil, const QString &schoolClass)
{
    return QStringLiteral("Eliminare tutte le risposte di %1 (%2) da questa cartella? Non si possono recuperare.")
        .arg(pupil, schoolClass);
}
inline QString confirmClass(const QString &schoolClass, int pupils)
{
    return QStringLiteral("Eliminare tutte le risposte della classe %1 (%2) da questa cartella? "
                          "Non si possono recuperare.").arg(schoolClass, pupilCount(pupils));
}
inline QString notErased(const QStringList &files)
{
    return QStringLiteral("Non è stato possibile eliminare questi file del registro:\n%1").arg(files.join(u'\n'));
}
inline QString pupilResultsTitle(const QString &pupil) { return QStringLiteral("Risultati di %1").arg(pupil); }
inline QString kindName(const QString &window, const QString &kind) { return window + QStringLiteral(": ") + kind; }

// The teacher's code.
inline QString codeTitle() { return QStringLiteral("Codice dell'insegnante"); }
inline QString codeName() { return QStringLiteral("Codice"); }
inline QString repeatName() { return QStringLiteral("Ripeti il codice"); }
inline QString codeLabel() { return QStringLiteral("C&odice"); }
inline QString repeatLabel() { return QStringLiteral("&Ripeti il codice"); }
inline QString chooseCodeHint()
{
    return QStringLiteral("Scegli il codice che aprirà il registro di questa cartella da ogni computer "
                          "(almeno 4 caratteri).");
}
inline QString askCodeHint() { return QStringLiteral("Scrivi il codice del registro."); }
inline QString unreadableCode()
{
    return QStringLiteral("Il codice del registro non si legge più: scegline uno nuovo.");
}
inline QString wrongCode(int left)
{
    return left == 1 ? QStringLiteral("Codice errato: ancora un tentativo.")
                     : QStringLiteral("Codice errato: ancora %1 tentativi.").arg(left);
}
inline QString codeNotWritten(const QString &path)
{
    return QStringLiteral("Non è stato possibile scrivere il file «%1»: la cartella non permette di scrivere "
                          "o non è raggiungibile. La cartella non è stata scelta.").arg(path);
}
inline QString ok() { return QStringLiteral("OK"); }
inline QString cancel() { return QStringLiteral("Annulla"); }

// The pupil, after the splash.
inline QString whoTitle() { return QStringLiteral("Chi sei?"); }
inline QString whoHint()
{
    return QStringLiteral("Le tue risposte saranno conservate nel registro della classe.");
}
inline QString pupilName() { return QStringLiteral("Nome e cognome"); }
inline QString pupilLabel() { return QStringLiteral("&Nome e cognome"); }
inline QString pupilClassLabel() { return QStringLiteral("&Classe"); }
inline QString start() { return QStringLiteral("&Inizia"); }
inline QString guest() { return QStringLiteral("Entra come &ospite"); }

// In the exercise windows' status bar.
inline QString recording(const QString &pupil, const QString &schoolClass)
{
    return QStringLiteral("Registro: %1, %2").arg(pupil, schoolClass);
}
inline QString spooling()
{
    return QStringLiteral("Registro non raggiungibile: le risposte sono conservate su questo computer");
}
inline QString registerName() { return QStringLiteral("Registro"); }

} // namespace RegisterTexts

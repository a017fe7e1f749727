// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a worksheet as the dialog would, without a display: the Windows
// build's text is compared with this one's, and a sheet can be looked at
// without clicking through the program.
//   tramolo-worksheet FILE.pdf NUMBER EXERCISES VERSIONS [CHOICES]
// CHOICES: the choice window's buttons as digits 0 to 7; all by default.

#include "definitions/Catalogue.h"
#include "printing/PaperOutput.h"
#include "printing/WorksheetPages.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        QTextStream(stderr) << "uso: tramolo-worksheet FILE.pdf NUMERO ESERCIZI VERSIONI [SCELTE]\n";
        return 2;
    }
    Worksheets::Request request;
    request.offered = Catalogue::sources();
    request.number = args[2].toInt();
    request.exercises = args[3].toInt();
    request.versions = args[4].toInt();
    const QString choices = args.value(5, QStringLiteral("01234567"));
    for (QChar c : choices) {
        // A choice the catalogue does not hold is left out, and said.
        const int choice = c.digitValue();
        if (choice >= 0 && choice < request.offered.size())
            request.choices << choice;
        else
            QTextStream(stderr) << "scelta ignorata: " << c << '\n';
    }
    const Pages pages = WorksheetPages::make(request, Worksheets::make(request));
    const std::optional<QString> failure = PaperOutput::savePdf(args[1], pages, QStringLiteral("Scheda"));
    if (failure) {
        QTextStream(stderr) << *failure << '\n';
        return 1;
    }
    return 0;
}

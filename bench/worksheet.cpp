// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The largest worksheet the dialog allows beside the usual one: 40
// exercises of every choice with solutions, in two versions, drawn and
// written as a PDF in memory. Prints the median time of the runs and the
// size; the limits are a second and a megabyte.
//   tramolo-bench-worksheet [RUNS]

#include "definitions/Catalogue.h"
#include "printing/PaperOutput.h"
#include "printing/WorksheetPages.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const int runs = std::max(1, app.arguments().value(1, QStringLiteral("5")).toInt());
    Worksheets::Request request;
    request.offered = Catalogue::sources();
    request.choices = {0, 1, 2, 3, 4, 5, 6, 7};
    request.exercises = 40;
    request.versions = 2;
    request.solutions = true;

    std::vector<qint64> ms;
    qint64 bytes = 0;
    for (int run = 0; run < runs; ++run) {
        request.number = 1000 + run;
        QElapsedTimer clock;
        clock.start();
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (!PaperOutput::writePdf(pdf, WorksheetPages::make(request, Worksheets::make(request)), QStringLiteral("Scheda")))
            return 1;
        ms.push_back(clock.elapsed());
        bytes = std::max(bytes, qint64(pdf.size()));
    }
    std::sort(ms.begin(), ms.end());
    std::printf("worksheet, 40 exercises, 2 versions, solutions: median %lld ms, largest %.0f KiB (limits 1000 ms, 1024 KiB)\n",
                static_cast<long long>(ms[ms.size() / 2]), bytes / 1024.0);
    return 0;
}

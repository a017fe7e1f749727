// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An exercise window as the program opens it, ending after the first paint
// of its first exercise: built as tramolo-bench-startup for the cube window
// and as tramolo-bench-problems for the problems window. With --stay it
// stays open, for the idle measurement.

#include "FirstPaint.h"
#include "shell/Application.h"
#include "shell/DisplayCheck.h"
#include "window/ExerciseWindow.h"
#include "common/RandomSource.h"
#include "definitions/ExerciseProfiles.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    DisplayCheck::requireDisplay();
    QApplication app(argc, argv);
    configureApplication(app);
    RandomSource random;
    ExerciseWindow window(ExerciseProfiles::TRAMOLO_BENCH_WINDOW(), random);
    window.load();
    FirstPaint done(window.controls().Label5, stayRequested(argc, argv));
    return app.exec();
}

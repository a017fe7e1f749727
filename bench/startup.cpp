// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cube window as the program opens it, ending after the first paint of
// its first exercise. With --stay it stays open, for the idle measurement.

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
    ExerciseWindow cubi(ExerciseProfiles::cube(), random);
    cubi.load();
    FirstPaint done(cubi.controls().Label5, stayRequested(argc, argv));
    return app.exec();
}

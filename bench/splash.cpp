// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's real first window: the splash as the shell opens it, ending
// after its first paint.

#include "FirstPaint.h"
#include "shell/Application.h"
#include "shell/DisplayCheck.h"
#include "shell/Shell.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    DisplayCheck::requireDisplay();
    QApplication app(argc, argv);
    configureApplication(app);
    Shell shell;
    shell.start();
    FirstPaint done(shell.splash()->findChild<QLabel *>(QStringLiteral("Label1")), stayRequested(argc, argv));
    return app.exec();
}

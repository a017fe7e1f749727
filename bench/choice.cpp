// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The choice window as the shell shows it after the splash, opened at once,
// ending after its first paint.

#include "FirstPaint.h"
#include "shell/Application.h"
#include "shell/ChoiceWindow.h"
#include "shell/DisplayCheck.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    DisplayCheck::requireDisplay();
    QApplication app(argc, argv);
    configureApplication(app);
    ChoiceWindow choice;
    choice.show();
    // The last button in the focus order is the last painted.
    FirstPaint done(choice.findChild<QPushButton *>(QStringLiteral("cmdRegister")), stayRequested(argc, argv));
    return app.exec();
}

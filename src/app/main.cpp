// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/Application.h"
#include "shell/DisplayCheck.h"
#include "shell/Shell.h"

#include <QApplication>
#include <optional>

int main(int argc, char *argv[])
{
    DisplayCheck::requireDisplay();
    std::optional<DisplayCheck> check(std::in_place);
    QApplication app(argc, argv);
    check.reset();

    configureApplication(app);
    Shell shell;
    shell.start();
    return app.exec();
}

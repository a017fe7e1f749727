// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"

#include "ui/Artwork.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QTranslator>

void configureApplication(QApplication &app)
{
    app.setApplicationName(QStringLiteral("tramolo"));
    app.setDesktopFileName(QStringLiteral("it.brenvo.Tramolo"));
    app.setWindowIcon(Artwork::icon(Artwork::Picture::AppIcon));
    installFontSubstitutes();
    installToolkitTranslation(app);
}

void installToolkitTranslation(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    // Built in from the file Debian ships, so it cannot be missing at run time.
    if (translator->load(QStringLiteral(":/i18n/qtbase_it.qm")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

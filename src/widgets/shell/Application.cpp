// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"

#include "design/Artwork.h"
#include "design/FocusFrameStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTranslator>

void configureApplication(QApplication &app)
{
    // The settings' place: HKEY_*\Software\Brenvo\tramolo on Windows,
    // Brenvo/tramolo.conf under ~/.config and /etc/xdg on Linux.
    app.setOrganizationName(QStringLiteral("Brenvo"));
    app.setApplicationName(QStringLiteral("tramolo"));
    app.setDesktopFileName(QStringLiteral("it.brenvo.Tramolo"));
    app.setWindowIcon(Artwork::icon(Artwork::Picture::AppIcon));
    // The designed colours (the green "Nuovo calcolo" button among them) hold
    // only where the style draws from the palette: the same style everywhere,
    // rather than Windows' own or the desktop's; a button's focus as a frame
    // that shows.
    app.setStyle(new FocusFrameStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
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

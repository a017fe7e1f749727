// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"

#include "design/Artwork.h"
#include "design/FocusRing.h"
#include "web/WebPage.h"

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
    // rather than Windows' own or the desktop's. A button's focus shows as a
    // frame over it, not through a style of our own: a proxy of Fusion cost
    // every first paint 0.8 M instructions.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    FocusRing::follow(app);
    installToolkitTranslation(app);
    WebPage::prepare(app);
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

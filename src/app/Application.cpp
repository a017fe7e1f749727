// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"

#include "ui/Artwork.h"
#include "ui/Fonts.h"

#include <QApplication>

void configureApplication(QApplication &app)
{
    app.setApplicationName(QStringLiteral("tramolo"));
    app.setDesktopFileName(QStringLiteral("it.brenvo.Tramolo"));
    app.setWindowIcon(Artwork::icon(Artwork::Picture::AppIcon));
    installFontSubstitutes();
}

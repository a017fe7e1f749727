// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WindowProfile.h"
#include "design/Design.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// The two windows before the exercises, as data like the exercise windows.
struct StartWindow
{
    struct Opening
    {
        const char16_t *button;
        ProfileSource profile; // the exercise window the button opens
    };

    QString name;
    QString title;          // the caption, or what a screen reader names it by
    QSize twips;            // the window's size
    QRect canvasTwips;      // where its controls lie
    Design::Rgb background; // none: the toolkit's
    QList<Design::Control> controls;
    QList<Opening> openings;
    const char16_t *worksheets = nullptr;    // the button of the worksheets to print
    const char16_t *classRegister = nullptr; // the button of the class register

    // The captions of the buttons that open the windows, in their order.
    QStringList openingCaptions() const;
};

namespace StartWindows {

StartWindow splash(); // frmSplash: the program's name and makers; any key goes on
StartWindow choice(); // scelte: one picture button per exercise window

} // namespace StartWindows

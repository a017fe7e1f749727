// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChoiceWindow.h"

#include "definitions/StartWindows.h"
#include "design/Twips.h"

#include <QPushButton>

ChoiceWindow::ChoiceWindow(QWidget *parent)
    : ChoiceWindow(StartWindows::choice(), parent)
{
}

ChoiceWindow::ChoiceWindow(const StartWindow &d, QWidget *parent)
#ifdef Q_OS_WASM
    // Scaled to fill the page, as the exercise windows' design scales.
    : DesignCanvas(d.canvasTwips.size(), Mode::Scaled, parent)
#else
    : DesignCanvas(d.canvasTwips.size(), Mode::Fixed, parent)
#endif
{
    setWindowFlag(Qt::Window);
    setObjectName(d.name);
    setWindowTitle(d.title);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, d.background.color());
    setPalette(background);
    resize(d.twips / TwipsPerPixel);

    Artwork::IconCache icons;
    addAll(d.controls, icons);
    for (const StartWindow::Opening &opening : d.openings) {
        auto *button = findChild<QPushButton *>(QString::fromUtf16(opening.button), Qt::FindDirectChildrenOnly);
        Q_ASSERT(button);
        button->setAutoDefault(true);
        const ProfileSource profile = opening.profile;
        connect(button, &QPushButton::clicked, this, [this, profile] { emit chosen(profile); });
    }
    const auto tool = [this](const char16_t *name, void (ChoiceWindow::*asked)()) {
        if (!name)
            return;
        auto *button = findChild<QPushButton *>(QString::fromUtf16(name), Qt::FindDirectChildrenOnly);
        Q_ASSERT(button);
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, asked);
    };
    tool(d.worksheets, &ChoiceWindow::worksheetsAsked);
    tool(d.classRegister, &ChoiceWindow::registerAsked);
}

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "definitions/WindowProfile.h"
#include "design/DesignCanvas.h"

struct StartWindow;

// The choice window: one picture button per exercise window, the cube
// first and largest.
class ChoiceWindow : public DesignCanvas
{
    Q_OBJECT
public:
    explicit ChoiceWindow(QWidget *parent = nullptr);

signals:
    void chosen(ProfileSource profile);
    // "Schede da stampare": the worksheet dialog, over this window.
    void worksheetsAsked();
    // "Registro della classe": the teacher's register, over this window.
    void registerAsked();

private:
    ChoiceWindow(const StartWindow &design, QWidget *parent);
};

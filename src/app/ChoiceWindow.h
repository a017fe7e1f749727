// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/WindowProfile.h"

#include <QWidget>

// The choice window: one picture button per exercise window, the cube
// first and largest.
class ChoiceWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ChoiceWindow(QWidget *parent = nullptr);

signals:
    void chosen(WindowProfile::Figure figure);
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class DesignCanvas;

// The start window: names the program and its makers and waits for a key.
// Any key that types a character, or a click on the frame's bare area,
// continues; other keys and clicks on the labels or the button do nothing.
class SplashWindow : public QDialog
{
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);

signals:
    void continued();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DesignCanvas *m_frame = nullptr; // Frame1, holding every other control
    bool m_pressedOnFrame = false;
};

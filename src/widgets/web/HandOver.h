// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QApplication;

// A page has no window manager: when the active window goes (a message box
// closed, the splash giving way), no window is made active in its place and
// keys reach nothing until the pupil taps. This gives the keys to the window
// left in front: the closed one's parent, or else the last one shown.
class HandOver : public QObject
{
public:
    explicit HandOver(QApplication *app);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void activateOneLeft(QWidget *parent);
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

class QApplication;

// A push button's keyboard focus shown as a solid frame inside its edges,
// wide enough to be seen from the back of the room (3 pixels, more on a
// larger button), in whichever of a few colours stands out most against both
// the button's face and what lies around it: at least the 3:1 contrast asked
// of a focus indicator. One ring follows the focus over every push button
// of the program, drawn over the button as a child of it; it is made when a
// button first takes the focus, so a window whose focus starts elsewhere
// pays nothing for it.
class FocusRing : public QWidget
{
    Q_OBJECT
public:
    // From now on the ring follows the application's focus.
    static void follow(QApplication &app);

    static int frameWidth(QSize button);
    static QColor frameColour(const QColor &face, const QColor &around);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    explicit FocusRing(QWidget *button);
    static void moveTo(QPointer<FocusRing> &ring, QWidget *focused);
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

// The program's style: Fusion, with a push button's keyboard focus shown as
// a solid frame inside its edges, wide enough to be seen from the back of
// the room (3 pixels, more on a larger button) and in whichever of a few
// colours stands out most against both the button's face and what lies
// around it: at least the 3:1 contrast asked of a focus indicator.
class FocusFrameStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit FocusFrameStyle(QStyle *base);

    static int frameWidth(QSize button);
    // WCAG's contrast ratio of two colours, from 1 to 21.
    static qreal contrast(const QColor &a, const QColor &b);
    static QColor frameColour(const QColor &face, const QColor &around);

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
};

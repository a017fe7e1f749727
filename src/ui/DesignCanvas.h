// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Design.h"

#include <QList>
#include <QPointer>
#include <QWidget>

// Holds a window's controls at their design places and scales the whole
// design, fonts included, to fit the canvas, centred and never cut off.
// Labels too small for their text grow rather than clip it; labels sized to
// their text follow it whenever it changes.
class DesignCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit DesignCanvas(QSize clientAreaTwips, QWidget *parent = nullptr);

    void place(QWidget *control, const Design::Control &design);

    // The design's extent in pixels at scale 1: the client area and every
    // control, including those that reach beyond it.
    QRect designExtent() const;
    qreal scale() const { return m_scale; }

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Placed
    {
        QPointer<QWidget> control;
        Design::Control design;
    };

    void relayout();
    QRect grown(QWidget *control, const Design::Control &design, QRect scaled) const;

    QRect m_clientArea;
    QList<Placed> m_placed;
    qreal m_scale = 1.0;
    bool m_laying = false;
};

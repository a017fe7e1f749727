// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Design.h"
#include "Fonts.h"
#include "figures/LabelPlacement.h"

#include <QFrame>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QRawFont>
#include <QWindow>
#include <memory>

class FigureMap;

// Holds a window's controls at their design places. Labels too small for
// their text grow rather than clip it; labels sized to their text follow it
// whenever it changes.
//   Scaled: the exercise windows. The whole design, fonts included, is
//           scaled to fit the canvas, centred and never cut off.
//   Fixed:  the splash and the choice window, at their design size, with
//           fonts in points; only labels are fitted: one stays inside the
//           canvas where it can, one that keeps clear of a control on top
//           shrinks its font.
// The measures of a figure that says where they go (OnFigure) are placed by
// its segments, the picture as large as its room allows with them.
class DesignCanvas : public QFrame
{
    Q_OBJECT
public:
    enum class Mode { Scaled, Fixed };

    DesignCanvas(QSize clientAreaTwips, Mode mode, QWidget *parent = nullptr);
    ~DesignCanvas() override;

    // Builds the row's control on the canvas; it is laid out with the others.
    QWidget *add(const Design::Control &row, Artwork::IconCache &icons);
    // Builds a whole table.
    void addAll(const QList<Design::Control> &table, Artwork::IconCache &icons);

    // The design's extent in pixels at scale 1: the client area and every
    // control, including those that reach beyond it.
    QRect designExtent() const;
    qreal scale() const { return m_scale; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Placed
    {
        QPointer<QWidget> control;
        Design::Control design;
        qreal points; // the font's size as shown, once a label has kept clear
    };

    void layoutWhenSeen();
    void relayout();
    QRect keptInside(Placed &p, QRect designed);
    void shrinkToFit(Placed &p, int room);
    QRect grown(QWidget *control, const Design::Control &design, QRect scaled) const;
    void placeOnFigure(const QRect &room, QWidget *figure, Artwork::Picture picture);

    Mode m_mode;
    DesignFonts m_fonts;
    QRect m_clientArea;
    QList<Placed> m_placed;
    qreal m_scale = 1.0;
    bool m_laying = false;
    bool m_dirty = true;
    QHash<QString, QRawFont> m_faces; // a face of each family fitted, at the size it is shown
    QPointer<QWindow> m_watched; // the window whose first exposure lays the canvas out
    std::unique_ptr<FigureMap> m_figureMap; // read when the measures are first placed
    Artwork::Picture m_figurePicture = Artwork::Picture::None;
    QList<QRectF> m_figureAsked;           // the room and the labels last placed
    LabelPlacement::Layout m_figureLayout; // and where they went
};

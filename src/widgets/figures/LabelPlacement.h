// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>

class FigureMap;

// Where a figure's measures are written, on the screen and on paper alike:
// each label by the middle of its segment, out in the free space beside an
// outer edge, on the solid beside a segment within it (out beside the solid
// where its face has no room), crossing no line, no letter and no other
// label, all inside the figure's room. The picture is
// drawn as large as the room allows with every label so placed.
namespace LabelPlacement {

// A label to place: the measure's place (0 to 3: a, b, c, d) and the size
// of its text, in the same units as the room.
struct Label
{
    int place = -1;
    QSizeF size;
};

struct Layout
{
    QRectF picture;       // where the SVG's view box is drawn
    QList<QRectF> labels; // in the order asked; empty where a label found no room
    bool fits = false;    // every label placed
};

// The farthest a label's nearest edge may stand from its segment's middle,
// in heights of the label.
inline constexpr qreal Reach = 2.5;
// The blank kept between a label and any line or other label, in heights.
inline constexpr qreal Clearance = 0.12;

// The picture drawn at this rectangle (its view box's shape).
Layout at(const FigureMap &map, const QRectF &picture, const QRectF &room, const QList<Label> &labels);
// The largest picture the room holds with every label placed; when none
// does, the smallest tried, with the labels that found room.
Layout fill(const FigureMap &map, const QRectF &room, const QList<Label> &labels);

} // namespace LabelPlacement

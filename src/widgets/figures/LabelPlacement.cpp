// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LabelPlacement.h"

#include "FigureMap.h"

#include <cmath>
#include <limits>

namespace LabelPlacement {

namespace {

qreal distance(const QRectF &r, QPointF p)
{
    const qreal dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
    const qreal dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
    return std::hypot(dx, dy);
}

// Outside: nothing painted under the label or its blank around it. Inside:
// no line there, and the label wholly on the solid.
bool clearOfTheDrawing(const FigureMap &map, const QRectF &label, qreal clear, FigureMap::Side side)
{
    const FigureMap::Cover around = map.cover(label.adjusted(-clear, -clear, clear, clear));
    if (side == FigureMap::Side::Outside)
        return around.painted == 0;
    const FigureMap::Cover under = map.cover(label);
    return around.lines == 0 && under.painted == under.cells;
}

// The nearest free place to the segment's middle, in the SVG's units, on the
// segment's side, else out in the free space; an empty rectangle when there
// is none within reach.
QRectF nearest(const FigureMap &map, const FigureMap::Segment &segment, QSizeF size, const QRectF &room,
               const QList<QRectF> &taken)
{
    const QPointF middle = segment.line.center();
    const qreal reach = Reach * size.height();
    const qreal clear = Clearance * size.height();
    const qreal step = std::max(size.height() / 10, 0.25);
    QRectF best;
    qreal bestCost = std::numeric_limits<qreal>::max();
    for (const FigureMap::Side side : {segment.side, FigureMap::Side::Outside}) {
        const qreal spanX = reach + size.width();
        const qreal spanY = reach + size.height();
        for (qreal y = middle.y() - spanY; y <= middle.y() + reach; y += step) {
            for (qreal x = middle.x() - spanX; x <= middle.x() + reach; x += step) {
                const QRectF label(QPointF(x, y), size);
                const qreal away = distance(label, middle);
                // Centred on the middle where it can be: of two equally near
                // places the one whose centre is nearer.
                const qreal cost = away + 0.05 * QLineF(label.center(), middle).length();
                if (away > reach || cost >= bestCost || !room.contains(label))
                    continue;
                bool clearOfOthers = true;
                for (const QRectF &other : taken)
                    clearOfOthers = clearOfOthers && !other.adjusted(-clear, -clear, clear, clear).intersects(label);
                if (clearOfOthers && clearOfTheDrawing(map, label, clear, side)) {
                    best = label;
                    bestCost = cost;
                }
            }
        }
        if (!best.isEmpty())
            break;
    }
    return best;
}

} // namespace

Layout at(const FigureMap &map, const QRectF &picture, const QRectF &room, const QList<Label> &labels)
{
    Layout layout;
    layout.picture = picture;
    layout.fits = !map.isNull();
    const QRectF box = map.viewBox();
    if (box.isEmpty() || picture.isEmpty())
        return layout;
    // Everything in the SVG's units, and back.
    const qreal scale = picture.width() / box.width();
    const auto toUnits = [&](QPointF p) { return (p - picture.topLeft()) / scale + box.topLeft(); };
    const auto fromUnits = [&](const QRectF &r) {
        return QRectF((r.topLeft() - box.topLeft()) * scale + picture.topLeft(), r.size() * scale);
    };
    const QRectF roomUnits(toUnits(room.topLeft()), toUnits(room.bottomRight()));
    QList<QRectF> taken;
    for (const Label &label : labels) {
        const FigureMap::Segment *segment = map.segment(label.place);
        const QRectF found = segment ? nearest(map, *segment, label.size / scale, roomUnits, taken) : QRectF();
        if (found.isEmpty()) {
            layout.fits = false;
            layout.labels << QRectF();
            continue;
        }
        taken << found;
        layout.labels << fromUnits(found);
    }
    return layout;
}

Layout fill(const FigureMap &map, const QRectF &room, const QList<Label> &labels)
{
    const QRectF box = map.viewBox();
    if (box.isEmpty() || room.isEmpty())
        return {};
    QSizeF largest = box.size();
    largest.scale(room.size(), Qt::KeepAspectRatio);
    // Smaller by a twentieth at a time, down to half; at each size centred,
    // then against each side, where the labels may need the room left over.
    Layout last;
    for (int shrink = 0; shrink <= 10; ++shrink) {
        const QSizeF size = largest * (1 - shrink * 0.05);
        const qreal spareX = room.width() - size.width();
        const qreal spareY = room.height() - size.height();
        for (const QPointF along : {QPointF(0.5, 0.5), QPointF(0, 0.5), QPointF(1, 0.5), QPointF(0.5, 0),
                                    QPointF(0.5, 1)}) {
            const QRectF picture(room.topLeft() + QPointF(spareX * along.x(), spareY * along.y()), size);
            last = at(map, picture, room, labels);
            if (last.fits)
                return last;
        }
    }
    return last;
}

} // namespace LabelPlacement

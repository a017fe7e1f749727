// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineF>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

// A figure's drawing as the placing of its measures reads it: the segments
// its SVG names, each by the place of the measure it carries,
//     <line data-measure="c" data-side="outside" x1=".." y1=".." x2=".." y2=".."/>
// (a line with no stroke, so it draws nothing), and a map of where the
// drawing paints at all and where it paints a line or a letter. A drawing
// of bare edges, whose faces are not filled, gives its outline too, as
//     <polygon data-outline="" fill="none" points=".."/>
// (no fill, no stroke), and its inside counts as painted. All in the SVG's
// own units.
class FigureMap
{
public:
    // Where a measure's label goes: beside an outer edge, out in the free
    // space; beside a segment within the solid (a height, a radius, an
    // apothem on its face), on the solid, clear of its lines.
    enum class Side { Outside, Inside };

    struct Segment
    {
        int place = -1; // 0 to 3: a, b, c, d
        QLineF line;
        Side side = Side::Outside;
    };

    // How much of a rectangle the drawing covers, in cells of the map.
    struct Cover
    {
        int cells = 0;
        int painted = 0; // any paint, a face's fill included
        int lines = 0;   // strokes, letters, arrowheads: the dark paint
    };

    // Reads the file; a file that is not such an SVG gives an empty map.
    explicit FigureMap(const QString &svgFile);

    bool isNull() const { return m_viewBox.isEmpty(); }
    QRectF viewBox() const { return m_viewBox; }
    const QList<Segment> &segments() const { return m_segments; }
    const Segment *segment(int place) const;

    // Beyond the drawing nothing is painted.
    Cover cover(const QRectF &rect) const;

private:
    void readSegments(const QString &svgFile);
    void paintMap(const QString &svgFile);
    int sum(const std::vector<int> &table, int x0, int y0, int x1, int y1) const;

    QRectF m_viewBox;
    QList<Segment> m_segments;
    QList<QPolygonF> m_outlines;
    int m_width = 0; // cells
    int m_height = 0;
    // Summed-area tables, (m_width + 1) × (m_height + 1): any rectangle's
    // count in four reads.
    std::vector<int> m_painted;
    std::vector<int> m_lines;
};

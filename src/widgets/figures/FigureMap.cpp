// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FigureMap.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace {

// Cells per SVG unit: the thinnest stroke drawn (0.8 units) still darkens
// a whole cell.
constexpr qreal CellsPerUnit = 2;

// Coverage below a quarter is an edge's antialiasing, not paint.
constexpr int PaintedAlpha = 64;
// Strokes are black or the measures' red (luminance 0.38); the darkest
// face, the box's red side, is 0.42 and the prism's shaded side 0.56.
constexpr qreal LineLuminance = 0.40;

int placeOf(QStringView letter)
{
    if (letter.size() != 1)
        return -1;
    const int place = letter.at(0).unicode() - u'a';
    return place >= 0 && place < 4 ? place : -1;
}

} // namespace

FigureMap::FigureMap(const QString &svgFile)
{
    readSegments(svgFile);
    if (!m_viewBox.isEmpty())
        paintMap(svgFile);
}

void FigureMap::readSegments(const QString &svgFile)
{
    QFile file(svgFile);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader xml(&file);
    const auto number = [&xml](QLatin1StringView name) { return xml.attributes().value(name).toDouble(); };
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"svg") {
            const QList<QStringView> box = xml.attributes().value(QLatin1StringView("viewBox")).split(u' ', Qt::SkipEmptyParts);
            if (box.size() == 4)
                m_viewBox = QRectF(box[0].toDouble(), box[1].toDouble(), box[2].toDouble(), box[3].toDouble());
            continue;
        }
        if (xml.name() == u"polygon" && xml.attributes().hasAttribute(QLatin1StringView("data-outline"))) {
            QPolygonF outline;
            const QList<QStringView> numbers =
                xml.attributes().value(QLatin1StringView("points")).split(u' ', Qt::SkipEmptyParts);
            for (const QStringView pair : numbers) {
                const QList<QStringView> xy = pair.split(u',');
                if (xy.size() == 2)
                    outline << QPointF(xy[0].toDouble(), xy[1].toDouble());
            }
            m_outlines << outline;
            continue;
        }
        const int place = placeOf(xml.attributes().value(QLatin1StringView("data-measure")));
        if (place < 0 || xml.name() != u"line")
            continue;
        Segment s;
        s.place = place;
        s.line = QLineF(number(QLatin1StringView("x1")), number(QLatin1StringView("y1")), number(QLatin1StringView("x2")), number(QLatin1StringView("y2")));
        s.side = xml.attributes().value(QLatin1StringView("data-side")) == u"inside" ? Side::Inside : Side::Outside;
        m_segments << s;
    }
    if (xml.hasError())
        m_segments.clear();
}

void FigureMap::paintMap(const QString &svgFile)
{
    QSvgRenderer renderer(svgFile);
    m_width = int(std::ceil(m_viewBox.width() * CellsPerUnit));
    m_height = int(std::ceil(m_viewBox.height() * CellsPerUnit));
    if (!renderer.isValid() || m_width <= 0 || m_height <= 0 || m_width > 4096 || m_height > 4096) {
        m_viewBox = QRectF();
        return;
    }
    QImage drawn(m_width, m_height, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        // White shows as paint but never as a line.
        painter.scale(CellsPerUnit, CellsPerUnit);
        painter.translate(-m_viewBox.topLeft());
        for (const QPolygonF &outline : std::as_const(m_outlines)) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawPolygon(outline);
        }
        painter.resetTransform();
        renderer.render(&painter, QRectF(0, 0, m_viewBox.width() * CellsPerUnit, m_viewBox.height() * CellsPerUnit));
    }
    const int stride = m_width + 1;
    m_painted.assign(std::size_t(stride) * (m_height + 1), 0);
    m_lines.assign(m_painted.size(), 0);
    for (int y = 0; y < m_height; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(drawn.constScanLine(y));
        int painted = 0;
        int lines = 0;
        for (int x = 0; x < m_width; ++x) {
            const QRgb c = row[x];
            const int alpha = qAlpha(c);
            if (alpha >= PaintedAlpha) {
                ++painted;
                // Seen over white paper, as the pupil sees it.
                const qreal a = alpha / 255.0;
                const qreal luminance =
                    (0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c)) / 255.0 * a + (1 - a);
                if (luminance < LineLuminance)
                    ++lines;
            }
            const std::size_t at = std::size_t(y + 1) * stride + x + 1;
            m_painted[at] = m_painted[at - stride] + painted;
            m_lines[at] = m_lines[at - stride] + lines;
        }
    }
}

const FigureMap::Segment *FigureMap::segment(int place) const
{
    for (const Segment &s : m_segments) {
        if (s.place == place)
            return &s;
    }
    return nullptr;
}

int FigureMap::sum(const std::vector<int> &table, int x0, int y0, int x1, int y1) const
{
    const int stride = m_width + 1;
    return table[std::size_t(y1) * stride + x1] - table[std::size_t(y0) * stride + x1]
        - table[std::size_t(y1) * stride + x0] + table[std::size_t(y0) * stride + x0];
}

FigureMap::Cover FigureMap::cover(const QRectF &rect) const
{
    Cover c;
    if (m_viewBox.isEmpty())
        return c;
    const QRectF cells((rect.topLeft() - m_viewBox.topLeft()) * CellsPerUnit, rect.size() * CellsPerUnit);
    c.cells = (int(std::ceil(cells.right())) - int(std::floor(cells.left())))
        * (int(std::ceil(cells.bottom())) - int(std::floor(cells.top())));
    const int x0 = std::clamp(int(std::floor(cells.left())), 0, m_width);
    const int y0 = std::clamp(int(std::floor(cells.top())), 0, m_height);
    const int x1 = std::clamp(int(std::ceil(cells.right())), 0, m_width);
    const int y1 = std::clamp(int(std::ceil(cells.bottom())), 0, m_height);
    if (x1 <= x0 || y1 <= y0)
        return c;
    c.painted = sum(m_painted, x0, y0, x1, y1);
    c.lines = sum(m_lines, x0, y0, x1, y1);
    return c;
}

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesignCanvas.h"

#include "Twips.h"

#include <QEvent>
#include <QLabel>
#include <cmath>

namespace {

QRect pixels(const QRect &twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

QFont scaledFont(const Design::Font &design, qreal scale)
{
    QFont font(design.family);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    // Points at 96 dpi, the resolution twips are counted in.
    font.setPixelSize(std::max(1, int(std::lround(design.points * 96.0 / 72.0 * scale))));
    return font;
}

} // namespace

DesignCanvas::DesignCanvas(QSize clientAreaTwips, QWidget *parent)
    : QWidget(parent)
    , m_clientArea(pixels(QRect(QPoint(0, 0), clientAreaTwips)))
{
}

void DesignCanvas::place(QWidget *control, const Design::Control &design)
{
    // Laid out with the others once the canvas has its size.
    control->setParent(this);
    m_placed.append({control, design});
}

QRect DesignCanvas::designExtent() const
{
    QRect extent = m_clientArea;
    for (const Placed &p : m_placed) {
        if (p.design.visible && !p.design.tiny)
            extent |= pixels(p.design.twips);
    }
    return extent;
}

bool DesignCanvas::event(QEvent *event)
{
    // A label whose text changed asks for a new size.
    if (event->type() == QEvent::LayoutRequest && isVisible())
        relayout();
    return QWidget::event(event);
}

void DesignCanvas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Sizes a hidden canvas passes through are never seen; laying out at each
    // would load fonts at sizes nobody reads.
    if (isVisible())
        relayout();
}

void DesignCanvas::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    relayout();
}

void DesignCanvas::relayout()
{
    if (m_laying || m_placed.isEmpty())
        return;
    m_laying = true;
    const QRect extent = designExtent();
    m_scale = std::min(width() / qreal(extent.width()), height() / qreal(extent.height()));
    if (m_scale <= 0)
        m_scale = 1.0;
    const QPointF offset((width() - extent.width() * m_scale) / 2 - extent.x() * m_scale,
                         (height() - extent.height() * m_scale) / 2 - extent.y() * m_scale);

    for (const Placed &p : std::as_const(m_placed)) {
        if (!p.control)
            continue;
        const QFont font = scaledFont(p.design.font, m_scale);
        if (p.control->font() != font)
            p.control->setFont(font);
        const QRectF design = pixels(p.design.twips);
        const QRect scaled(QPoint(int(std::lround(offset.x() + design.x() * m_scale)),
                                  int(std::lround(offset.y() + design.y() * m_scale))),
                           QSize(std::max(1, int(std::lround(design.width() * m_scale))),
                                 std::max(1, int(std::lround(design.height() * m_scale)))));
        p.control->setGeometry(grown(p.control, p.design, scaled));
    }
    m_laying = false;
}

QRect DesignCanvas::grown(QWidget *control, const Design::Control &design, QRect scaled) const
{
    const bool grows = design.kind == Design::Kind::Label || design.kind == Design::Kind::Button;
    if (!grows || design.tiny)
        return scaled;
    const QSize hint = control->sizeHint();
    if (design.autoSize) {
        // An empty label sized to its text has no width: nothing of it shows.
        const auto *label = qobject_cast<const QLabel *>(control);
        if (label && label->text().isEmpty())
            return QRect(scaled.topLeft(), QSize(0, hint.height()));
        return QRect(scaled.topLeft(), hint);
    }

    QRect r = scaled;
    if (hint.width() > r.width()) {
        const int extra = hint.width() - r.width();
        if (design.alignment & Qt::AlignHCenter)
            r.translate(-extra / 2, 0);
        else if (design.alignment & Qt::AlignRight)
            r.translate(-extra, 0);
        r.setWidth(hint.width());
    }
    if (hint.height() > r.height())
        r.setHeight(hint.height());
    return r;
}

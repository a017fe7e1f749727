// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureBox.h"

#include <QPainter>
#include <QSvgRenderer>

PictureBox::PictureBox(std::shared_ptr<Artwork::Document> document, QWidget *parent)
    : QWidget(parent)
    , m_document(std::move(document))
{
}

PictureBox::~PictureBox() = default;

void PictureBox::setDocument(std::shared_ptr<Artwork::Document> document)
{
    if (document == m_document)
        return;
    m_document = std::move(document);
    update();
}

void PictureBox::setBackground(const QColor &colour)
{
    m_background = colour;
    update();
}

QRect PictureBox::pictureRect() const
{
    const QSize shape = m_document->renderer().defaultSize().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - shape.width()) / 2, (height() - shape.height()) / 2), shape);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_background)
        painter.fillRect(rect(), *m_background);
    // Drawn straight at the screen's pixels, with no copy kept: a picture is
    // seldom drawn again, and a copy would keep every pixel of it in memory
    // for the window's life.
    // Its corners on whole pixels of the screen, whatever its pixel ratio,
    // so that its edges are as sharp as the screen allows.
    const QRect picture = pictureRect();
    const qreal ratio = devicePixelRatioF();
    const QPoint corner = (QPointF(picture.topLeft()) * ratio).toPoint();
    const QSize size = picture.size() * ratio;
    QSvgRenderer &renderer = m_document->renderer();
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&painter, QRectF(QPointF(corner) / ratio, QSizeF(size) / ratio));
}

void LineStroke::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(rect().topLeft(), rect().bottomRight());
}

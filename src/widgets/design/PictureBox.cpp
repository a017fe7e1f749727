// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureBox.h"

#include <QPainter>
#include <QSvgRenderer>

PictureBox::PictureBox(Artwork::Picture picture, QWidget *parent)
    : QWidget(parent)
    , m_picture(picture)
{
}

PictureBox::~PictureBox() = default;

QSvgRenderer &PictureBox::renderer() const
{
    if (!m_renderer) {
        m_renderer = std::make_unique<QSvgRenderer>(Artwork::resourcePath(m_picture));
        m_renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return *m_renderer;
}

void PictureBox::setBackground(const QColor &colour)
{
    m_background = colour;
    update();
}

QRect PictureBox::pictureRect() const
{
    const QSize shape = renderer().defaultSize().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - shape.width()) / 2, (height() - shape.height()) / 2), shape);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_background)
        painter.fillRect(rect(), *m_background);
    const QRect target = pictureRect();
    const qreal ratio = devicePixelRatioF();
    if (m_rendered.size() != target.size() * ratio || m_rendered.devicePixelRatio() != ratio)
        m_rendered = Artwork::render(renderer(), target.size(), ratio);
    painter.drawPixmap(target.topLeft(), m_rendered);
}

void LineStroke::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(rect().topLeft(), rect().bottomRight());
}

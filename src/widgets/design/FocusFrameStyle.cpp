// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FocusFrameStyle.h"

#include <QPainter>
#include <QStyleOption>
#include <QWidget>
#include <cmath>

namespace {

qreal luminance(const QColor &c)
{
    const auto linear = [](qreal v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

} // namespace

FocusFrameStyle::FocusFrameStyle(QStyle *base)
    : QProxyStyle(base)
{
}

int FocusFrameStyle::frameWidth(QSize button)
{
    // Three pixels on a button of the designed size, one more for every
    // 24 pixels of its shorter side beyond 72.
    return std::max(3, int(std::min(button.width(), button.height()) / 24));
}

qreal FocusFrameStyle::contrast(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor FocusFrameStyle::frameColour(const QColor &face, const QColor &around)
{
    // Navy first: it reads as a frame on the light faces most buttons have.
    static constexpr QRgb Candidates[] = {0xff1a237e, 0xff000000, 0xffffffff, 0xffffd600};
    QColor best;
    qreal bestContrast = 0;
    for (const QRgb rgb : Candidates) {
        const QColor colour(rgb);
        const qreal least = std::min(contrast(colour, face), contrast(colour, around));
        if (least > bestContrast) {
            best = colour;
            bestContrast = least;
        }
    }
    return best;
}

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus))
        return;
    const QWidget *parent = widget ? widget->parentWidget() : nullptr;
    const QColor around = parent ? parent->palette().color(parent->backgroundRole())
                                 : option->palette.color(QPalette::Window);
    const QColor colour = frameColour(option->palette.color(QPalette::Button), around);
    const int w = frameWidth(option->rect.size());
    const QRect r = option->rect;
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawRect(QRect(r.left(), r.top(), r.width(), w));
    painter->drawRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w));
    painter->drawRect(QRect(r.left(), r.top() + w, w, r.height() - 2 * w));
    painter->drawRect(QRect(r.right() - w + 1, r.top() + w, w, r.height() - 2 * w));
    painter->restore();
}

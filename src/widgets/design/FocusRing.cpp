// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FocusRing.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <cmath>

namespace {

qreal luminance(const QColor &c)
{
    const auto linear = [](qreal v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

qreal contrast(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

void FocusRing::follow(QApplication &app)
{
    // The one ring of the program, wherever it was left, kept by the
    // connection.
    QObject::connect(&app, &QApplication::focusChanged, &app,
                     [ring = QPointer<FocusRing>()](QWidget *, QWidget *now) mutable { moveTo(ring, now); });
}

void FocusRing::moveTo(QPointer<FocusRing> &ring, QWidget *focused)
{
    auto *button = qobject_cast<QPushButton *>(focused);
    if (!button) {
        if (ring)
            ring->hide();
        return;
    }
    if (!ring) {
        ring = new FocusRing(button);
    } else if (ring->parentWidget() != button) {
        ring->parentWidget()->removeEventFilter(ring);
        ring->setParent(button);
    }
    button->installEventFilter(ring);
    ring->setGeometry(button->rect());
    ring->show();
    ring->raise();
}

FocusRing::FocusRing(QWidget *button)
    : QWidget(button)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

int FocusRing::frameWidth(QSize button)
{
    // Three pixels on a button of the designed size, one more for every
    // 24 pixels of its shorter side beyond 72.
    return std::max(3, int(std::min(button.width(), button.height()) / 24));
}

QColor FocusRing::frameColour(const QColor &face, const QColor &around)
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

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void FocusRing::paintEvent(QPaintEvent *)
{
    const QWidget *button = parentWidget();
    const QWidget *outside = button->parentWidget();
    const QColor around = outside ? outside->palette().color(outside->backgroundRole())
                                  : button->palette().color(QPalette::Window);
    QPainter painter(this);
    const int w = frameWidth(size());
    const QRect r = rect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(frameColour(button->palette().color(QPalette::Button), around));
    painter.drawRect(QRect(r.left(), r.top(), r.width(), w));
    painter.drawRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w));
    painter.drawRect(QRect(r.left(), r.top() + w, w, r.height() - 2 * w));
    painter.drawRect(QRect(r.right() - w + 1, r.top() + w, w, r.height() - 2 * w));
}

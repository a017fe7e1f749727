// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The choice window's floor: one plain window of its size that paints the
// same ten pictures, from the same SVG files, at the sizes the choice window
// shows them (three quarters of each button), with QSvgRenderer. What the
// choice window costs beyond this is its buttons, captions and style.

#include "FirstPaint.h"

#include <QApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

namespace {

// Each button's picture and place, in twips as the choice window is designed.
const struct
{
    const char *file;
    QRect twips;
} Buttons[] = {
    {":/artwork/cube-choice.svg", {120, 120, 4935, 4695}},
    {":/artwork/box.svg", {5175, 120, 3135, 2287}},
    {":/artwork/prism.svg", {8430, 120, 3135, 2287}},
    {":/artwork/pyramid.svg", {11685, 120, 3135, 2287}},
    {":/artwork/cylinder.svg", {5175, 2528, 3135, 2287}},
    {":/artwork/cone.svg", {8430, 2528, 3135, 2287}},
    {":/artwork/sphere.svg", {11685, 2528, 3135, 2287}},
    {":/artwork/problem-cylinder-cone.svg", {120, 4936, 9690, 2287}},
    {":/artwork/worksheet.svg", {9930, 4936, 2385, 2287}},
    {":/artwork/teacher.svg", {12435, 4936, 2385, 2287}},
};

class Pictures : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (const auto &button : Buttons) {
            const QRect r(button.twips.topLeft() / 15, button.twips.size() / 15);
            QSvgRenderer renderer(QLatin1String(button.file));
            QSizeF size = renderer.defaultSize();
            size.scale(QSizeF(r.size()) * 0.75, Qt::KeepAspectRatio);
            renderer.render(&painter, QRectF(QPointF(r.center()) - QPointF(size.width(), size.height()) / 2, size));
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Pictures window;
    window.resize(996, 490);
    window.show();
    FirstPaint done(&window, stayRequested(argc, argv));
    return app.exec();
}

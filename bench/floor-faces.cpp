// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of a window drawn in the design's fonts: the bare floor plus one
// label in each face and size the cube window paints at its first paint,
// maximised on the offscreen platform, as they are found on Linux. Each face
// costs the toolkit the loading of an engine, whatever the window does; the
// cube window can come near this floor, not below it.

#include "FirstPaint.h"
#include "FloorWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FloorWindow window;

    const struct
    {
        const char *family;
        bool bold;
        int pixels;
    } Faces[] = {
        {"Liberation Sans", true, 63},  // the equals sign
        {"Liberation Sans", true, 47},  // the answer and its unit
        {"Liberation Serif", true, 47}, // the scores
        {"Liberation Sans", false, 24}, // the captions and the question
        {"Liberation Sans", false, 16}, // the measures
        {"Liberation Sans", true, 11},  // the button
    };
    QLabel *last = nullptr;
    int y = 20;
    for (const auto &face : Faces) {
        last = new QLabel(QStringLiteral("Faccia"), window.area());
        QFont font(QLatin1String(face.family));
        font.setBold(face.bold);
        font.setPixelSize(face.pixels);
        last->setFont(font);
        last->move(680, y);
        y += face.pixels + 10;
    }
    window.showMaximized();
    FirstPaint done(last, false);
    return app.exec();
}

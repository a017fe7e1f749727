// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bare floor, ending after its first paint. With --stay it stays open,
// with a 500 ms timer like the clock.

#include "FirstPaint.h"
#include "FloorWindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FloorWindow window;
    window.showMaximized();

    QTimer clock;
    clock.start(500);
    FirstPaint done(window.lastLabel(), stayRequested(argc, argv));
    return app.exec();
}

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor the start-up is measured against: a bare main window of the cube
// window's size with a menu bar, a status bar and as many labels, ending after
// its first paint. With --stay it stays open, with a 500 ms timer like the clock.

#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("Uno"));
    window.menuBar()->addAction(QStringLiteral("Due"));
    window.menuBar()->addAction(QStringLiteral("Tre"));
    window.menuBar()->addAction(QStringLiteral("Quattro"));
    for (const char *panel : {"Uno", "Due", "Tre"})
        window.statusBar()->addWidget(new QLabel(QLatin1String(panel)));

    auto *area = new QWidget;
    QLabel *last = nullptr;
    for (int i = 0; i < 34; ++i) {
        last = new QLabel(QStringLiteral("Etichetta %1").arg(i), area);
        last->move(20 + (i % 5) * 130, 20 + (i / 5) * 60);
    }
    window.setCentralWidget(area);
    window.resize(708, 560);
    window.showMaximized();

    QTimer clock;
    clock.start(500);
    FirstPaint done(last, stayRequested(argc, argv));
    return app.exec();
}

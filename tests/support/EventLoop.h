// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QTimer>

// Qt ends a program only from a running event loop. Runs the application's
// own loop until the program ends (0) or, when it does not, until a short
// while has passed (StillRunning).
inline constexpr int StillRunning = 7;

inline int runEventLoop()
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(StillRunning); });
    guard.start(300);
    return QCoreApplication::exec();
}

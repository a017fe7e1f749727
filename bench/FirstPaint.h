// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

// Ends the program once the watched widget has painted for the first time,
// unless it is asked to stay (for measuring a window left alone).
class FirstPaint : public QObject
{
public:
    FirstPaint(QObject *watched, bool stay)
        : m_stay(stay)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_stay) {
            watched->removeEventFilter(this);
            // After the paint has been handled, not before.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_stay;
};

inline bool stayRequested(int argc, char **argv)
{
    return argc > 1 && QByteArray(argv[1]) == "--stay";
}

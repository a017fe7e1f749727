// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>

class QApplication;
class QLabel;
class QMenuBar;

// Reads the windows and labels as they are painted: this Qt has no
// accessibility to report their changes, and a label repaints whenever its
// text changes. A slot changes several labels at once and they are painted
// in one pass, so "drawn" closes each pass that changed one: a reader that
// waits for it never sees half an exercise. The focus is told as it moves,
// since a key typed before the answer box has it is lost.
class TestLog : public QObject
{
public:
    explicit TestLog(QApplication *app);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void closePassLater();
    void logEntries(const QMenuBar *menus);
    static QString nameOf(const QLabel *label);

    QHash<const QWidget *, QString> m_seen;
    bool m_passOpen = false;
};

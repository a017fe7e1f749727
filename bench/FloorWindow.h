// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

// The floor the start-up is measured against: a bare main window of the cube
// window's size with a menu bar, a status bar and as many labels, in the
// toolkit's own font.
class FloorWindow : public QMainWindow
{
public:
    FloorWindow()
    {
        // As many entries as the cube window's menu bar, the formula sheet
        // and the reading aloud included.
        for (const char *entry : {"Uno", "Due", "Tre", "Quattro", "Cinque", "Sei"})
            menuBar()->addAction(QLatin1String(entry));
        for (const char *panel : {"Uno", "Due", "Tre"})
            statusBar()->addWidget(new QLabel(QLatin1String(panel)));
        m_area = new QWidget;
        for (int i = 0; i < 34; ++i) {
            m_last = new QLabel(QStringLiteral("Etichetta %1").arg(i), m_area);
            m_last->move(20 + (i % 5) * 130, 20 + (i / 5) * 60);
        }
        setCentralWidget(m_area);
        resize(708, 560);
    }

    QWidget *area() const { return m_area; }
    QLabel *lastLabel() const { return m_last; }

private:
    QWidget *m_area = nullptr;
    QLabel *m_last = nullptr;
};

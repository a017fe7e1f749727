// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Panel.h"

struct GameReport;
class QListWidget;
class QPushButton;

// The game's results by kind, shown over the figure: one row per kind asked,
// the totals, and the buttons to review the kinds missed or to close.
class ResultsPanel : public Panel
{
    Q_OBJECT
public:
    ResultsPanel(const GameReport &report, QWidget *parent);

    QListWidget *rows() const { return m_rows; }
    QPushButton *reviewButton() const { return m_review; }

signals:
    void reviewAsked();
    void printAsked();

private:
    QListWidget *m_rows = nullptr;
    QPushButton *m_review = nullptr;
};

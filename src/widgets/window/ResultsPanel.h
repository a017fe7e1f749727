// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>

class Drill;
class GameResults;
class QListWidget;
class QPushButton;

// The game's results by kind, shown over the figure: one row per kind asked,
// the totals, and the buttons to review the kinds missed or to close. Esc
// closes it too.
class ResultsPanel : public QFrame
{
    Q_OBJECT
public:
    ResultsPanel(const GameResults &results, const Drill &drill, QWidget *parent);

    QListWidget *rows() const { return m_rows; }
    QPushButton *reviewButton() const { return m_review; }

signals:
    void reviewAsked();
    void closeAsked();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QListWidget *m_rows = nullptr;
    QPushButton *m_review = nullptr;
};

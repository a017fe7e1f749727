// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// A panel the frame lays over the figure: a bold title, what the panel
// holds, and a row of buttons ending in "Chiudi". Esc closes it too; the
// frame shows one at a time.
class Panel : public QFrame
{
    Q_OBJECT
public:
    Panel(const QString &objectName, const QString &title, QWidget *parent);

signals:
    void closeAsked();

protected:
    // The panel's content, between its title and its buttons.
    void addContent(QWidget *content, int stretch = 0);
    // A button of the bottom row, before "Chiudi".
    void addButton(QPushButton *button);
    void keyPressEvent(QKeyEvent *event) override;

private:
    QVBoxLayout *m_layout = nullptr;
    QHBoxLayout *m_buttons = nullptr;
};

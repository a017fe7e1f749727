// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

// The answer box: digits, the decimal comma and Backspace get in, Enter asks
// for the check, every other character is dropped. Keys without a character
// (arrows, Delete, Home) keep their editing effect. Paste and drop are held to
// the same rule: text the keys could not type never gets in.
class AnswerBox : public QLineEdit
{
    Q_OBJECT
public:
    static constexpr int MaxCharacters = 5;

    explicit AnswerBox(QWidget *parent = nullptr);

signals:
    void answerEntered();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;

// A row of keys under the answer box for a tablet or a phone whose own
// keyboard does not come up for the page: the ten digits, the comma,
// Backspace and "Invio". Each key reaches the answer box as the key itself
// would, so the box's rules hold. It never takes the focus, follows the
// box wherever the design puts it (above it where there is no room below)
// and is usable only while the box is.
class DigitPad : public QWidget
{
    Q_OBJECT
public:
    explicit DigitPad(QLineEdit *answer);

    // Whether a pad is wanted: in a web page on a touch screen (or asked
    // for with ?tastierino=1); never on the desktop, which has a keyboard.
    static bool wanted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
    void press(int key, const QString &text);

    QPointer<QLineEdit> m_answer;
};

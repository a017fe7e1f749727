// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "register/TeacherCode.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// "Codice dell'insegnante": chooses a new code (typed twice, at least four
// characters), or asks for the folder's code, three tries at most.
class TeacherCodeDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Choose, Ask };
    static constexpr int Tries = 3;

    // Asks for `code`; choosing a new code when there is none.
    TeacherCodeDialog(Mode mode, std::optional<TeacherCode> code, QWidget *parent);

    // The code chosen, once accepted in Choose mode.
    TeacherCode chosen() const { return m_chosen; }
    // Whether the third wrong code ended the dialog.
    bool refused() const { return m_tries == 0; }

    QLineEdit *codeField() const { return m_field; }
    QLineEdit *repeatField() const { return m_repeat; }
    QPushButton *okButton() const { return m_ok; }
    QLabel *hint() const { return m_hint; }

    void setHint(const QString &text);

private:
    void updateOk();
    void tryCode();

    Mode m_mode;
    std::optional<TeacherCode> m_stored;
    TeacherCode m_chosen;
    int m_tries = Tries;
    QLabel *m_hint = nullptr;
    QLineEdit *m_field = nullptr;
    QLineEdit *m_repeat = nullptr;
    QPushButton *m_ok = nullptr;
};

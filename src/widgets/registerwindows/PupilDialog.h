// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class ClassRegister;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Chi sei?": the pupil's name and class before the choice window, when
// the register is kept; or a guest, whose answers are not recorded. The
// classes already in the register come from its thread, when they come.
class PupilDialog : public QDialog
{
    Q_OBJECT
public:
    PupilDialog(ClassRegister &classRegister, QWidget *parent);

    // Tidied, once "Inizia" is chosen; empty for a guest.
    QString pupil() const;
    QString schoolClass() const;

    QLineEdit *nameField() const { return m_name; }
    QComboBox *classField() const { return m_class; }
    QPushButton *startButton() const { return m_start; }
    QPushButton *guestButton() const { return m_guest; }

private:
    void offerClasses(const QStringList &classes);
    void updateStart();

    QLineEdit *m_name = nullptr;
    QComboBox *m_class = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_guest = nullptr;
};

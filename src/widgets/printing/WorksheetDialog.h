// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sheets/Worksheet.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QPushButton;
class QSpinBox;

// "Scheda da stampare": what the sheet holds, how many exercises and
// versions, with or without solutions, and its number, which determines
// the draw. Saves a PDF or prints.
class WorksheetDialog : public QDialog
{
    Q_OBJECT
public:
    // The captions of the choice window's buttons, in its order; the
    // sheet's number to start from.
    WorksheetDialog(const QStringList &captions, int number, QWidget *parent = nullptr);

    Worksheets::Request request() const;

    QList<QCheckBox *> choices() const { return m_choices; }
    QSpinBox *exercises() const { return m_exercises; }
    QSpinBox *versions() const { return m_versions; }
    QCheckBox *solutions() const { return m_solutions; }
    QSpinBox *number() const { return m_number; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *printButton() const { return m_print; }

public slots:
    void save();
    void print();

private:
    void enableOutput();

    QList<QCheckBox *> m_choices;
    QSpinBox *m_exercises = nullptr;
    QSpinBox *m_versions = nullptr;
    QCheckBox *m_solutions = nullptr;
    QSpinBox *m_number = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_print = nullptr;
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Pages.h"

#include <QDateTime>
#include <QDialog>
#include <QStringList>

class QLineEdit;

// A pupil's results on one page, for the teacher at the end of the lab
// hour: the game's rows by kind as the results panel shows them, the
// totals and the kinds still missed.
struct GameReport
{
    QString window;        // the window's descriptive title
    QDateTime now;
    int minutes = 0;       // since the game began
    QStringList rows;      // "Volume — esatte 2, errate 1"
    QString total;         // "Totale — esatte …"
    QStringList missed;    // the kinds to review

    Pages pages(const QString &pupil) const;
};

// Asks the pupil's name (it may stay empty), then saves the page as a PDF
// or prints it.
class ResultsPrintDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ResultsPrintDialog(GameReport report, QWidget *parent = nullptr);

    QLineEdit *pupil() const { return m_pupil; }

public slots:
    void save();
    void print();

private:
    GameReport m_report;
    QLineEdit *m_pupil = nullptr;
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QList>

// Starts the system calculator without waiting for it. On Linux the usual
// desktop calculators are tried in order, the first found on PATH wins:
// GNOME, KDE, MATE, Xfce (galculator), Qalculate, then xcalc, started iconic.
class CalculatorLauncher
{
public:
    struct Candidate
    {
        QString program;
        QStringList arguments;
    };

    static QList<Candidate> platformCandidates();

    explicit CalculatorLauncher(QList<Candidate> candidates = platformCandidates());

    // True when a calculator was started.
    bool start() const;

private:
    QList<Candidate> m_candidates;
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercises/FormulaSheet.h"

#include "Panel.h"

class QTextBrowser;

// The formula sheet over the figure, as the pupil's plan allows it at the
// class test: for each solid on screen its direct and inverse formulas side
// by side, the Pythagoras relations, what to remember and the legend of the
// symbols.
class FormulaPanel : public Panel
{
    Q_OBJECT
public:
    FormulaPanel(const QList<FormulaSheet> &sheets, QWidget *parent);

    QTextBrowser *sheet() const { return m_sheet; }
    // The sheets' lines, as they are read aloud.
    QString plainText() const { return m_lines.join(u'\n'); }

private:
    QTextBrowser *m_sheet = nullptr;
    QStringList m_lines;
};

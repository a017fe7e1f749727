// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsPanel.h"

#include "frame/FrameTexts.h"
#include "printing/PrintTexts.h"
#include "printing/ResultsPrint.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

ResultsPanel::ResultsPanel(const GameReport &report, QWidget *parent)
    : Panel(QStringLiteral("resultsPanel"), FrameTexts::resultsTitle(), parent)
{
    m_rows = new QListWidget(this);
    m_rows->setObjectName(QStringLiteral("resultRows"));
    m_rows->setAccessibleName(FrameTexts::resultsTitle());
    m_rows->addItems(report.rows);
    if (m_rows->count() == 0)
        m_rows->addItem(FrameTexts::noResults());
    m_rows->setCurrentRow(0);
    addContent(m_rows, 1);

    auto *total = new QLabel(report.total, this);
    total->setObjectName(QStringLiteral("resultsTotal"));
    addContent(total);

    m_review = new QPushButton(FrameTexts::reviewButton(), this);
    m_review->setObjectName(QStringLiteral("cmdReview"));
    m_review->setEnabled(!report.missed.isEmpty());
    connect(m_review, &QPushButton::clicked, this, &ResultsPanel::reviewAsked);
    addButton(m_review);

    auto *print = new QPushButton(PrintTexts::resultsPrint(), this);
    print->setObjectName(QStringLiteral("cmdPrintResults"));
    connect(print, &QPushButton::clicked, this, &ResultsPanel::printAsked);
    addButton(print);
}

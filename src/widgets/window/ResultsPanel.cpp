// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsPanel.h"

#include "Drill.h"
#include "frame/FrameTexts.h"
#include "frame/GameResults.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

ResultsPanel::ResultsPanel(const GameResults &results, const Drill &drill, QWidget *parent)
    : Panel(QStringLiteral("resultsPanel"), FrameTexts::resultsTitle(), parent)
{
    m_rows = new QListWidget(this);
    m_rows->setObjectName(QStringLiteral("resultRows"));
    m_rows->setAccessibleName(FrameTexts::resultsTitle());
    int right = 0;
    int wrong = 0;
    for (const GameResults::Row &row : results.asked()) {
        m_rows->addItem(FrameTexts::resultsRow(drill.kindName(row.kind), row.right, row.wrong));
        right += row.right;
        wrong += row.wrong;
    }
    if (m_rows->count() == 0)
        m_rows->addItem(FrameTexts::noResults());
    m_rows->setCurrentRow(0);
    addContent(m_rows, 1);

    auto *total = new QLabel(FrameTexts::resultsTotal(right, wrong), this);
    total->setObjectName(QStringLiteral("resultsTotal"));
    addContent(total);

    m_review = new QPushButton(FrameTexts::reviewButton(), this);
    m_review->setObjectName(QStringLiteral("cmdReview"));
    m_review->setEnabled(!results.missed().isEmpty());
    connect(m_review, &QPushButton::clicked, this, &ResultsPanel::reviewAsked);
    addButton(m_review);
}

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsPanel.h"

#include "Drill.h"
#include "frame/FrameTexts.h"
#include "frame/GameResults.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ResultsPanel::ResultsPanel(const GameResults &results, const Drill &drill, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("resultsPanel"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setAccessibleName(FrameTexts::resultsTitle());

    auto *title = new QLabel(FrameTexts::resultsTitle(), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

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

    auto *total = new QLabel(FrameTexts::resultsTotal(right, wrong), this);
    total->setObjectName(QStringLiteral("resultsTotal"));

    m_review = new QPushButton(FrameTexts::reviewButton(), this);
    m_review->setObjectName(QStringLiteral("cmdReview"));
    m_review->setEnabled(!results.missed().isEmpty());
    auto *close = new QPushButton(FrameTexts::closeButton(), this);
    close->setObjectName(QStringLiteral("cmdCloseResults"));
    for (QPushButton *button : {m_review, close})
        button->setAutoDefault(true);
    connect(m_review, &QPushButton::clicked, this, &ResultsPanel::reviewAsked);
    connect(close, &QPushButton::clicked, this, &ResultsPanel::closeAsked);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_review);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_rows, 1);
    layout->addWidget(total);
    layout->addLayout(buttons);
}

void ResultsPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        emit closeAsked();
        return;
    }
    QFrame::keyPressEvent(event);
}

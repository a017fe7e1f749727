// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Panel.h"

#include "frame/FrameTexts.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Panel::Panel(const QString &objectName, const QString &title, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(objectName);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setAccessibleName(title);

    auto *heading = new QLabel(title, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto *close = new QPushButton(FrameTexts::closeButton(), this);
    close->setObjectName(objectName + QStringLiteral("Close"));
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, this, &Panel::closeAsked);

    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    m_buttons->addWidget(close);
    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(heading);
    m_layout->addLayout(m_buttons);
}

void Panel::addContent(QWidget *content, int stretch)
{
    m_layout->insertWidget(m_layout->count() - 1, content, stretch);
}

void Panel::addButton(QPushButton *button)
{
    button->setAutoDefault(true);
    m_buttons->insertWidget(m_buttons->count() - 2, button);
}

void Panel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        emit closeAsked();
        return;
    }
    QFrame::keyPressEvent(event);
}

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameResults.h"

GameResults::GameResults(int kindCount)
    : m_kinds(kindCount)
{
}

GameResults::Review GameResults::count(int kind, bool right)
{
    countStep(kind, right);
    return closeItem(kind, right);
}

void GameResults::countStep(int kind, bool right)
{
    Q_ASSERT(kind >= 1 && kind <= m_kinds.size());
    Counts &c = m_kinds[kind - 1];
    if (right)
        ++c.right;
    else
        ++c.wrong;
}

GameResults::Review GameResults::closeItem(int kind, bool allRight)
{
    Q_ASSERT(kind >= 1 && kind <= m_kinds.size());
    m_kinds[kind - 1].missed = !allRight;
    if (m_review.isEmpty())
        return Review::None;
    if (allRight && m_review.removeOne(qint16(kind)) && m_review.isEmpty())
        return Review::Finished;
    return Review::Going;
}

void GameResults::clear()
{
    m_kinds.fill(Counts{});
    m_review.clear();
}

QList<GameResults::Row> GameResults::asked() const
{
    QList<Row> rows;
    for (int i = 0; i < m_kinds.size(); ++i) {
        if (m_kinds[i].right + m_kinds[i].wrong > 0)
            rows.append({i + 1, m_kinds[i].right, m_kinds[i].wrong});
    }
    return rows;
}

QList<qint16> GameResults::missed() const
{
    QList<qint16> kinds;
    for (int i = 0; i < m_kinds.size(); ++i) {
        if (m_kinds[i].missed)
            kinds.append(qint16(i + 1));
    }
    return kinds;
}

bool GameResults::startReview()
{
    m_review = missed();
    return !m_review.isEmpty();
}

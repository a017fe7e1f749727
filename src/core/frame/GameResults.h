// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QtGlobal>

// The current game's answers by kind of exercise, and the review of the
// kinds missed. A kind is missed while its latest answer is wrong: it has
// been answered wrong since it was last answered right (or ever, if never
// right). A review draws only from the kinds missed when it starts, each
// until it is answered right once. Kept in memory for one game, as the
// scores are.
class GameResults
{
public:
    struct Row
    {
        int kind;
        int right;
        int wrong;
    };

    // Where a review stands after an answer.
    enum class Review { None, Going, Finished };

    explicit GameResults(int kindCount = 0);

    // A checked answer to an exercise of this kind; returns where the
    // review stands after it (Finished once, when its last kind is right).
    Review count(int kind, bool right);
    // An answer that is one step of a larger item, a problem's question:
    // counted at once, while whether the kind is missed, and the review,
    // wait for the item's end, when closeItem says whether every step was
    // right.
    void countStep(int kind, bool right);
    Review closeItem(int kind, bool allRight);
    void clear();

    QList<Row> asked() const; // the kinds answered so far, in their order
    QList<qint16> missed() const;

    // Starts a review of the kinds missed now; false when none is.
    bool startReview();
    bool isReviewing() const { return !m_review.isEmpty(); }
    // The kinds a review still draws from: empty when there is no review.
    const QList<qint16> &reviewKinds() const { return m_review; }

private:
    struct Counts
    {
        int right = 0;
        int wrong = 0;
        bool missed = false;
    };
    QList<Counts> m_kinds; // index kind - 1
    QList<qint16> m_review;
};

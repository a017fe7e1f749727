// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The register folder read for the teacher: every pupil with their counts,
// whatever computers they worked on, and what they should go over again.
// A folder of a school year (30 pupils, 20 000 answers each) is read
// streaming, keeping per pupil only the counts by kind and the latest
// answers.
struct PupilSummary
{
    struct Kind
    {
        QString window;
        QString kind;
        int right = 0;
        int wrong = 0;
    };

    QString schoolClass; // as last written
    QString pupil;
    int right = 0;
    int wrong = 0;
    QDate lastDay;
    QList<Kind> kinds;     // in the order first answered
    QStringList toReview;  // "Cubo: Volume", at most three
    QStringList files;     // every file of the pupil, for an erasure

    int answers() const { return right + wrong; }
    // Rounded to a whole number, "67".
    int percentRight() const;
};

struct ClassSummary
{
    QList<PupilSummary> pupils; // by class, then name
    QStringList classes;        // as written, each once
    qint64 unreadableLines = 0;
    int unreadableFiles = 0;    // another program's, a later version's, unreadable

    // The answers the review counts, latest first.
    static constexpr int LatestAnswers = 50;
    static constexpr int ToReview = 3;

    static ClassSummary read(const QString &folder);
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printing/Pages.h"
#include "register/ClassSummary.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

class QAbstractItemModel;
class QStandardItemModel;

// The teacher's table: one row per pupil, the same cells on screen, in the
// CSV and on paper.
namespace ClassTable {

enum Column { Class, Pupil, Answers, Right, Wrong, Percent, LastDay, ToReview, ColumnCount };
// The role that sorts a column by number or by date, not by its text.
inline constexpr int SortRole = Qt::UserRole + 1;
// The row's pupil, as its index in the summary.
inline constexpr int PupilRole = Qt::UserRole + 2;

QStringList cells(const PupilSummary &pupil);
// The summary's pupils of one class, or of all when the class is empty.
void fill(QStandardItemModel &model, const ClassSummary &summary, const QString &schoolClass);
// The rows as the model shows them, sorted and filtered as they are:
// CSV for an Italian spreadsheet, with its header row.
QByteArray csv(const QAbstractItemModel &model);
Pages pages(const QAbstractItemModel &model, const QString &title);

} // namespace ClassTable

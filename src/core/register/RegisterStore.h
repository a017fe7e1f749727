// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RegisterRow.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Where this computer writes the register: one file per pupil in the
// school's shared folder, and a spool on the local disk for the answers
// given while the share cannot be written, moved into the folder in order
// as soon as it can. A row is never lost and never counted twice: each has
// its number on this computer, and what is moved again after a failure is
// recognised by it. Blocking file work, meant for the register's thread.
class RegisterStore
{
public:
    struct Places
    {
        QString folder;   // the register folder, on the share
        QString local;    // this program's own folder on this computer
        QString computer; // this computer's name, in the file names
    };
    enum class Outcome { Written, Spooled, Lost };

    explicit RegisterStore(Places places);

    // One answer: the spool moved in first, then the row. The row's number
    // is given here.
    Outcome record(RegisterRow row);
    // Moves the spool into the folder; true when nothing is left in it.
    bool moveSpool();
    bool hasSpool() const;
    // The classes of the register files in the folder, as typed.
    QStringList classes() const;

    QString fileFor(const QString &schoolClass, const QString &pupil) const;
    // The spool of a register folder, under this program's own folder.
    static QString spoolFolder(const QString &local, const QString &folder);

private:
    qint64 nextNumber(const QString &fileName);

    Places m_places;
    QString m_spool;
    qint64 m_lastNumber = 0;
    QHash<QString, bool> m_floorRead; // the files whose numbers have been seen
};

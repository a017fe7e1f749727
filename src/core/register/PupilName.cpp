// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PupilName.h"

namespace PupilName {

namespace {

// Safe on Windows' file systems and on a school's SMB share: no separator,
// no reserved character, no control character; no dot or blank at an end,
// which Windows drops; never a name that climbs out of the folder.
QString safe(const QString &text)
{
    QString out;
    for (QChar c : text)
        out += (c.unicode() < 0x20 || QStringView(u"<>:\"/\\|?*").contains(c)) ? u'_' : c;
    while (!out.isEmpty() && (out.back() == u'.' || out.back() == u' '))
        out.chop(1);
    while (!out.isEmpty() && (out.front() == u'.' || out.front() == u' '))
        out.remove(0, 1);
    return out.isEmpty() ? QStringLiteral("_") : out;
}

} // namespace

QString tidy(const QString &typed)
{
    return typed.simplified().left(MaxLength).trimmed();
}

QString key(const QString &schoolClass, const QString &pupil)
{
    return tidy(schoolClass).toCaseFolded() + u'\n' + tidy(pupil).toCaseFolded();
}

QString fileName(const QString &schoolClass, const QString &pupil, const QString &computer)
{
    return safe(tidy(schoolClass)) + QStringLiteral(" - ") + safe(tidy(pupil)) + QStringLiteral(" - ")
           + safe(computer) + QStringLiteral(".csv");
}

} // namespace PupilName

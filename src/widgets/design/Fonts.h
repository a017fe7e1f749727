// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Design.h"

#include <QFont>
#include <QHash>
#include <QStringList>

// The windows name Arial, Times New Roman and MS Sans Serif. Where one is
// missing (Linux), its metric-compatible free font is asked for by name:
// asking Qt for the missing one has it work out a fallback list for every
// face it loads, twice. Where the designed family is installed (Windows) it
// is asked for as it is, and a family with no free stand-in is left to Qt.
QString installedFamily(const QString &designed, const QStringList &installed);

// The design's fonts, against the families installed when it was made.
class DesignFonts
{
public:
    DesignFonts(); // reads the installed families, once
    explicit DesignFonts(QStringList installed);

    // Points at 96 dpi, the resolution twips are counted in, times the scale.
    QFont scaled(const Design::Font &design, qreal scale) const;
    QFont inPoints(const Design::Font &design, qreal points) const;

private:
    QFont font(const Design::Font &design) const;

    QStringList m_installed;
    mutable QHash<const char16_t *, QString> m_asked; // each designed family, as asked for
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fonts.h"

#include <QFontDatabase>
#include <cmath>

QString installedFamily(const QString &designed, const QStringList &installed)
{
    static constexpr struct
    {
        const char16_t *designed;
        const char16_t *freeFont;
    } StandIns[] = {
        {u"Arial", u"Liberation Sans"},
        {u"Times New Roman", u"Liberation Serif"},
        {u"MS Sans Serif", u"Liberation Sans"},
    };
    if (installed.contains(designed, Qt::CaseInsensitive))
        return designed;
    for (const auto &s : StandIns) {
        const QString freeFont = QString::fromUtf16(s.freeFont);
        if (designed.compare(QString::fromUtf16(s.designed), Qt::CaseInsensitive) == 0
            && installed.contains(freeFont, Qt::CaseInsensitive))
            return freeFont;
    }
    return designed;
}

DesignFonts::DesignFonts()
    : DesignFonts(QFontDatabase::families())
{
}

DesignFonts::DesignFonts(QStringList installed)
    : m_installed(std::move(installed))
{
}

QFont DesignFonts::font(const Design::Font &design) const
{
    // The design names its families with a few literals: each is looked up once.
    auto asked = m_asked.constFind(design.family);
    if (asked == m_asked.cend())
        asked = m_asked.insert(design.family, installedFamily(QString::fromUtf16(design.family), m_installed));
    QFont font(*asked);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

QFont DesignFonts::scaled(const Design::Font &design, qreal scale) const
{
    QFont f = font(design);
    f.setPixelSize(std::max(1, int(std::lround(design.points * 96.0 / 72.0 * scale))));
    return f;
}

QFont DesignFonts::inPoints(const Design::Font &design, qreal points) const
{
    QFont f = font(design);
    f.setPointSizeF(points);
    return f;
}

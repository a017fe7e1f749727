// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Design.h"

#include <QStringView>
#include <algorithm>

namespace Design {

Qt::Alignment Control::alignment() const
{
    if (has(Centred))
        return Qt::AlignHCenter;
    return has(RightAligned) ? Qt::AlignRight : Qt::AlignLeft;
}

QList<Control> derive(const QList<Control> &base, int rise, const QList<Override> &overrides,
                      const QList<Control> &extra)
{
    QList<Control> table = base;
    for (Control &c : table)
        c.twips.translate(0, -rise);
    for (const Override &o : overrides) {
        const auto found = std::find_if(table.begin(), table.end(), [&o](const Control &c) {
            return QStringView(c.name) == QStringView(o.name);
        });
        Q_ASSERT_X(found != table.end(), "Design::derive", "an override names no control");
        found->twips.moveTo(o.left, o.top);
        if (o.width != Override::Keep)
            found->twips.setWidth(o.width);
        if (o.height != Override::Keep)
            found->twips.setHeight(o.height);
        if (o.picture != Artwork::Picture::None)
            found->picture = o.picture;
        if (o.description)
            found->description = o.description;
    }
    return table + extra;
}

QList<Control> without(QList<Control> table, std::initializer_list<const char16_t *> names)
{
    table.removeIf([&names](const Control &c) {
        return std::any_of(names.begin(), names.end(),
                           [&c](const char16_t *name) { return QStringView(c.name) == QStringView(name); });
    });
    return table;
}

} // namespace Design

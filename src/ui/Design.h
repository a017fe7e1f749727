// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Artwork.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <optional>

// A window's controls as data: what the builder makes and where it puts it.
namespace Design {

enum class Kind {
    Label,
    TextBox,
    Button,
    Picture, // an image or picture box drawn from the artwork
    Line,    // a thin stroke from the rectangle's top left to its bottom right
};

struct Font
{
    QString family = QStringLiteral("MS Sans Serif");
    qreal points = 8.25;
    bool bold = false;
    bool italic = false;
};

struct Control
{
    QString name;
    Kind kind = Kind::Label;
    QRect twips; // left, top, width, height in the window's client area
    QString caption;
    Font font;
    std::optional<QColor> fore;
    std::optional<QColor> back;
    bool border = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool autoSize = false; // the label takes the size of its text
    bool visible = true;
    bool tiny = false;     // kept too small to be seen, on purpose
    std::optional<Artwork::Picture> picture;
    QString toolTip;
    QString description;   // what a screen reader says beside the text
};

} // namespace Design

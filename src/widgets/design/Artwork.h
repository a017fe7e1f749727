// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QSize>

class QSvgRenderer;

// The program's pictures, drawn as SVG and rendered at whatever size and
// pixel ratio the screen asks for.
namespace Artwork {

enum class Picture {
    None,
    ChoiceCube,   // the cube of the splash and choice buttons
    ExerciseCube, // the cube of the cube window
    Box,
    Prism,
    Pyramid,
    Cylinder,
    Cone,
    Sphere,
    Teacher,
    AppIcon,
    ClockIcon,
    NextIcon,
    PencilCursor,
};

QString resourcePath(Picture picture);

QIcon icon(Picture picture);

// Icons kept for a window's lifetime: a control built anew with the same
// icon then finds its pixmaps already drawn, instead of adding new ones to
// Qt's pixmap cache each time.
class IconCache
{
public:
    QIcon icon(Picture picture);

private:
    QHash<Picture, QIcon> m_icons;
};
// Rendered crisply for a logical size on a screen of that pixel ratio.
QPixmap pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio);
QPixmap render(QSvgRenderer &renderer, QSize logicalSize, qreal devicePixelRatio);

} // namespace Artwork

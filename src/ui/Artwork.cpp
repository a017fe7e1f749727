// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace Artwork {

QString resourcePath(Picture picture)
{
    switch (picture) {
    case Picture::ChoiceCube: return QStringLiteral(":/artwork/cube-choice.svg");
    case Picture::ExerciseCube: return QStringLiteral(":/artwork/cube-exercise.svg");
    case Picture::Box: return QStringLiteral(":/artwork/box.svg");
    case Picture::Prism: return QStringLiteral(":/artwork/prism.svg");
    case Picture::Teacher: return QStringLiteral(":/artwork/teacher.svg");
    case Picture::AppIcon: return QStringLiteral(":/artwork/app-icon.svg");
    case Picture::ClockIcon: return QStringLiteral(":/artwork/clock-icon.svg");
    case Picture::NextIcon: return QStringLiteral(":/artwork/next-icon.svg");
    case Picture::PencilCursor: return QStringLiteral(":/artwork/pencil-cursor.svg");
    }
    return QString();
}

QIcon icon(Picture picture)
{
    return QIcon(resourcePath(picture));
}

QIcon IconCache::icon(Picture picture)
{
    auto found = m_icons.find(picture);
    if (found == m_icons.end())
        found = m_icons.insert(picture, Artwork::icon(picture));
    return *found;
}

QPixmap pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio)
{
    QSvgRenderer renderer(resourcePath(picture));
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    return render(renderer, logicalSize, devicePixelRatio);
}

QPixmap render(QSvgRenderer &renderer, QSize logicalSize, qreal devicePixelRatio)
{
    QPixmap pixmap(logicalSize * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace Artwork

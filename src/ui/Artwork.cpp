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

QSize designSize(Picture picture)
{
    return QSvgRenderer(resourcePath(picture)).defaultSize();
}

QIcon icon(Picture picture)
{
    return QIcon(resourcePath(picture));
}

QPixmap pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio)
{
    QPixmap pixmap(logicalSize * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resourcePath(picture));
    QPainter painter(&pixmap);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace Artwork

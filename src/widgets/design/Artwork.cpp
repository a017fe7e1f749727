// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Artwork.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <memory>

namespace {

// Draws an SVG icon at whatever size it is asked for, through Qt Svg's
// renderer alone: a static Qt (the Windows build) holds no icon-engine
// plugin, and this way every platform draws its icons alike.
class SvgIconEngine : public QIconEngine
{
public:
    explicit SvgIconEngine(std::shared_ptr<Artwork::Document> document) : m_document(std::move(document)) {}

    QIconEngine *clone() const override { return new SvgIconEngine(m_document); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    // Each size and mode is drawn once: a control repaints its icon often.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const auto key = qMakePair(size, int(mode));
        auto found = m_drawn.constFind(key);
        if (found == m_drawn.constEnd())
            found = m_drawn.insert(key, draw(size, mode));
        return *found;
    }

private:
    QPixmap draw(QSize size, QIcon::Mode mode)
    {
        // Stretched to the pixmap, which already has the picture's shape.
        QSvgRenderer &renderer = m_document->renderer();
        renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
        const QPixmap drawn = Artwork::render(renderer, renderer.defaultSize().scaled(size, Qt::KeepAspectRatio), 1.0);
        if (mode == QIcon::Normal)
            return drawn;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }

    std::shared_ptr<Artwork::Document> m_document;
    QHash<QPair<QSize, int>, QPixmap> m_drawn;
};

} // namespace

namespace Artwork {

QString resourcePath(Picture picture)
{
    switch (picture) {
    case Picture::None: break;
    case Picture::ChoiceCube: return QStringLiteral(":/artwork/cube-choice.svg");
    case Picture::ExerciseCube: return QStringLiteral(":/artwork/cube-exercise.svg");
    case Picture::Box: return QStringLiteral(":/artwork/box.svg");
    case Picture::Prism: return QStringLiteral(":/artwork/prism.svg");
    case Picture::Pyramid: return QStringLiteral(":/artwork/pyramid.svg");
    case Picture::Cylinder: return QStringLiteral(":/artwork/cylinder.svg");
    case Picture::Cone: return QStringLiteral(":/artwork/cone.svg");
    case Picture::Sphere: return QStringLiteral(":/artwork/sphere.svg");
    case Picture::CylinderCone: return QStringLiteral(":/artwork/problem-cylinder-cone.svg");
    case Picture::CubePyramid: return QStringLiteral(":/artwork/problem-cube-pyramid.svg");
    case Picture::HollowCylinder: return QStringLiteral(":/artwork/problem-hollow-cylinder.svg");
    case Picture::TriangleAboutLeg: return QStringLiteral(":/artwork/problem-triangle-leg.svg");
    case Picture::TriangleAboutHypotenuse: return QStringLiteral(":/artwork/problem-triangle-hypotenuse.svg");
    case Picture::Container: return QStringLiteral(":/artwork/problem-container.svg");
    case Picture::TrapeziumAboutMajor: return QStringLiteral(":/artwork/problem-trapezium-major.svg");
    case Picture::TrapeziumAboutMinor: return QStringLiteral(":/artwork/problem-trapezium-minor.svg");
    case Picture::RectangleAboutSide: return QStringLiteral(":/artwork/problem-rectangle.svg");
    case Picture::RhombusPrism: return QStringLiteral(":/artwork/problem-rhombus-prism.svg");
    case Picture::RhombusPyramid: return QStringLiteral(":/artwork/problem-rhombus-pyramid.svg");
    case Picture::TrapeziumPrism: return QStringLiteral(":/artwork/problem-trapezium-prism.svg");
    case Picture::TrianglePrism: return QStringLiteral(":/artwork/problem-triangle-prism.svg");
    case Picture::BoxPyramid: return QStringLiteral(":/artwork/problem-box-pyramid.svg");
    case Picture::CylinderHemisphere: return QStringLiteral(":/artwork/problem-cylinder-hemisphere.svg");
    case Picture::ConeHemisphere: return QStringLiteral(":/artwork/problem-cone-hemisphere.svg");
    case Picture::HoledCube: return QStringLiteral(":/artwork/problem-holed-cube.svg");
    case Picture::IsoscelesAboutMajor: return QStringLiteral(":/artwork/problem-isosceles-major.svg");
    case Picture::IsoscelesAboutMinor: return QStringLiteral(":/artwork/problem-isosceles-minor.svg");
    case Picture::RhombusAboutDiagonal: return QStringLiteral(":/artwork/problem-rhombus-turned.svg");
    case Picture::IsoscelesAboutBase: return QStringLiteral(":/artwork/problem-isosceles-turned.svg");
    case Picture::Aquarium: return QStringLiteral(":/artwork/problem-aquarium.svg");
    case Picture::EquivalentCube: return QStringLiteral(":/artwork/problem-equivalent-cube.svg");
    case Picture::Worksheet: return QStringLiteral(":/artwork/worksheet.svg");
    case Picture::Teacher: return QStringLiteral(":/artwork/teacher.svg");
    case Picture::AppIcon: return QStringLiteral(":/artwork/app-icon.svg");
    case Picture::ClockIcon: return QStringLiteral(":/artwork/clock-icon.svg");
    case Picture::NextIcon: return QStringLiteral(":/artwork/next-icon.svg");
    case Picture::PencilCursor: return QStringLiteral(":/artwork/pencil-cursor.svg");
    }
    return QString();
}

Picture named(QStringView name)
{
    const QString path = QStringLiteral(":/artwork/") + name.toString() + QStringLiteral(".svg");
    for (int p = int(Picture::None) + 1; p <= int(Picture::PencilCursor); ++p) {
        if (resourcePath(Picture(p)) == path)
            return Picture(p);
    }
    return Picture::None;
}

QIcon icon(Picture picture)
{
    return QIcon(new SvgIconEngine(std::make_shared<Document>(picture)));
}

QIcon IconCache::icon(Picture picture)
{
    auto found = m_icons.find(picture);
    if (found == m_icons.end())
        found = m_icons.insert(picture, QIcon(new SvgIconEngine(document(picture))));
    return *found;
}

std::shared_ptr<Document> IconCache::document(Picture picture)
{
    auto found = m_documents.find(picture);
    if (found == m_documents.end())
        found = m_documents.insert(picture, std::make_shared<Document>(picture));
    return *found;
}

Document::Document(Picture picture)
    : m_picture(picture)
{
}

Document::~Document() = default;

QSvgRenderer &Document::renderer()
{
    if (!m_renderer)
        m_renderer = std::make_unique<QSvgRenderer>(resourcePath(m_picture));
    return *m_renderer;
}

QPixmap pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio)
{
    Document document(picture);
    document.renderer().setAspectRatioMode(Qt::KeepAspectRatio);
    return render(document.renderer(), logicalSize, devicePixelRatio);
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

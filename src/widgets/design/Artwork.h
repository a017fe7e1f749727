// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <memory>

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
    // The problems' solids, with the plane figures that turn into them.
    CylinderCone,
    CubePyramid,
    HollowCylinder,
    TriangleAboutLeg,
    TriangleAboutHypotenuse,
    Container,
    TrapeziumAboutMajor,
    TrapeziumAboutMinor,
    RectangleAboutSide,
    RhombusPrism,
    RhombusPyramid,
    TrapeziumPrism,
    TrianglePrism,
    BoxPyramid,
    CylinderHemisphere,
    ConeHemisphere,
    HoledCube,
    IsoscelesAboutMajor,
    IsoscelesAboutMinor,
    RhombusAboutDiagonal,
    IsoscelesAboutBase,
    Aquarium,
    EquivalentCube,
    Worksheet, // the worksheets' button
    Teacher,
    AppIcon,
    ClockIcon,
    NextIcon,
    PencilCursor,
};

QString resourcePath(Picture picture);
// The picture whose file is so named, "problem-cylinder-cone"; None if none.
Picture named(QStringView name);

QIcon icon(Picture picture);

// A picture's SVG document, read when it is first drawn. It is shared: each
// drawing sets how the picture fits its rectangle.
class Document
{
public:
    explicit Document(Picture picture);
    ~Document();

    Picture picture() const { return m_picture; }
    QSvgRenderer &renderer();

private:
    Picture m_picture;
    std::unique_ptr<QSvgRenderer> m_renderer;
};

// Icons and documents kept for a window's lifetime: a control built anew
// with the same icon then finds its pixmaps already drawn, instead of adding
// new ones to Qt's pixmap cache each time, and two controls showing the same
// picture read it once.
class IconCache
{
public:
    QIcon icon(Picture picture);
    std::shared_ptr<Document> document(Picture picture);

private:
    QHash<Picture, QIcon> m_icons;
    QHash<Picture, std::shared_ptr<Document>> m_documents;
};
// Rendered crisply for a logical size on a screen of that pixel ratio.
QPixmap pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio);
QPixmap render(QSvgRenderer &renderer, QSize logicalSize, qreal devicePixelRatio);

} // namespace Artwork

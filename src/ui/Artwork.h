#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The program's pictures, drawn as SVG and rendered at whatever size and
// pixel ratio the screen asks for.
namespace Artwork {

enum class Picture {
    ChoiceCube,   // the cube of the splash and choice buttons
    ExerciseCube, // the cube of the cube window
    Box,
    Prism,
    Teacher,
    AppIcon,
    ClockIcon,
    NextIcon,
    PencilCursor,
};

QString resourcePath(Picture picture);
QSize designSize(Picture picture);

QIcon icon(Picture picture);
// Rendered crisply for a logical size on a screen of that pixel ratio.
QPixmap pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio);

} // namespace Artwork

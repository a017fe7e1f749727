// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "definitions/WindowProfile.h"
#include "design/Artwork.h"
#include "design/Fonts.h"
#include "exercises/Exercise.h"

#include <QRectF>

class QPainter;

// An exercise's figure on paper as its window draws it: the solid's
// picture, and the measures (or "X") with their "cm" where the window's
// design puts them, all scaled to fit. Drawn from the same design table as
// the window, as vectors and text. One painter serves a whole sheet: each
// picture is read once, and the installed fonts are looked at once.
class FigurePainter
{
public:
    // The figure's width for a height, keeping the design's proportions.
    static qreal widthFor(const WindowProfile &profile, qreal height);
    void paint(QPainter &painter, const QRectF &area, const WindowProfile &profile, const Exercise &exercise);

    // A problem's figure: its picture alone, the data being written as text.
    void paintPicture(QPainter &painter, const QRectF &area, Artwork::Picture picture);

private:
    DesignFonts m_fonts;
    Artwork::IconCache m_pictures;
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "definitions/WindowProfile.h"
#include "design/Artwork.h"
#include "exercises/Exercise.h"

#include <QFont>
#include <QHash>
#include <QRectF>
#include <memory>

class FigureMap;
class QPainter;

// An exercise's figure on paper: the solid's picture, and each measure
// beside its segment as one label, "12 cm" or "X", placed by the rule the
// windows place theirs by, all inside the figure's box. As vectors and
// text. One painter serves a whole sheet: each picture is read once.
class FigurePainter
{
public:
    FigurePainter();
    ~FigurePainter();

    // The measures' type: read at arm's length, never under 9 points.
    static QFont labelFont();

    void paint(QPainter &painter, const QRectF &box, const WindowProfile &profile, const Exercise &exercise);

    // A problem's figure: its picture alone, the data being written as text.
    void paintPicture(QPainter &painter, const QRectF &area, Artwork::Picture picture);

private:
    const FigureMap &map(Artwork::Picture picture);

    Artwork::IconCache m_pictures;
    QHash<Artwork::Picture, std::shared_ptr<FigureMap>> m_maps;
};

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FigurePainter.h"

#include "exercises/ExerciseSet.h"
#include "figures/FigureMap.h"
#include "figures/LabelPlacement.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QSvgRenderer>

namespace {

Artwork::Picture figureOf(const WindowProfile &profile)
{
    for (const Design::Control &control : profile.controls) {
        if (control.role == Design::Role::Figure)
            return control.picture;
    }
    return Artwork::Picture::None;
}

void renderPicture(QPainter &painter, const QRectF &area, Artwork::Document &document)
{
    QSvgRenderer &renderer = document.renderer();
    QSizeF size = renderer.defaultSize();
    size.scale(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
    renderer.render(&painter, target);
}

} // namespace

FigurePainter::FigurePainter() = default;
FigurePainter::~FigurePainter() = default;

QFont FigurePainter::labelFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10);
    return font;
}

const FigureMap &FigurePainter::map(Artwork::Picture picture)
{
    auto found = m_maps.find(picture);
    if (found == m_maps.end())
        found = m_maps.insert(picture, std::make_shared<FigureMap>(Artwork::resourcePath(picture)));
    return **found;
}

void FigurePainter::paint(QPainter &painter, const QRectF &box, const WindowProfile &profile,
                          const Exercise &exercise)
{
    const Artwork::Picture picture = figureOf(profile);
    if (picture == Artwork::Picture::None || !exercise.set)
        return;
    const QFont font = labelFont();
    const QFontMetricsF metrics(font, painter.device());
    QStringList texts;
    QList<LabelPlacement::Label> labels;
    for (int place = 0; place < MeasurePlaces; ++place) {
        if (!(exercise.set->places & (1 << place)))
            continue;
        texts << exercise.measureLabel(place);
        labels << LabelPlacement::Label{place, QSizeF(metrics.horizontalAdvance(texts.last()), metrics.height())};
    }
    const LabelPlacement::Layout layout = LabelPlacement::fill(map(picture), box, labels);
    if (layout.picture.isEmpty())
        return;
    m_pictures.document(picture)->renderer().render(&painter, layout.picture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int i = 0; i < texts.size(); ++i) {
        const QRectF at = layout.labels.value(i);
        if (!at.isEmpty())
            painter.drawText(at, Qt::AlignCenter | Qt::TextDontClip, texts[i]);
    }
}

void FigurePainter::paintPicture(QPainter &painter, const QRectF &area, Artwork::Picture picture)
{
    renderPicture(painter, area, *m_pictures.document(picture));
}

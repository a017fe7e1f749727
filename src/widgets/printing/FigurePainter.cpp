// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FigurePainter.h"

#include "exercises/ExerciseSet.h"

#include <QPainter>
#include <QSvgRenderer>
#include <array>

namespace {

using R = Design::Role;

// The figure's places in the order of Exercise::captions, and their units.
constexpr std::array<R, MeasurePlaces> Places = {R::Width, R::Depth, R::Height, R::FourthMeasure};
constexpr std::array<R, MeasurePlaces> Units = {R::WidthUnit, R::DepthUnit, R::HeightUnit, R::FourthUnit};

const Design::Control *row(const WindowProfile &profile, R role)
{
    for (const Design::Control &control : profile.controls) {
        if (control.role == role)
            return &control;
    }
    return nullptr;
}

bool used(const Exercise &e, int place)
{
    return e.set && (e.set->places & (1 << place));
}

// The design's rectangle that holds the picture and every measure it shows.
QRect extent(const WindowProfile &profile, const Exercise *exercise)
{
    const Design::Control *figure = row(profile, R::Figure);
    QRect all = figure ? figure->twips : QRect();
    for (int place = 0; place < MeasurePlaces; ++place) {
        if (exercise && !used(*exercise, place))
            continue;
        for (R role : {Places[place], Units[place]}) {
            if (const Design::Control *c = row(profile, role))
                all |= c->twips;
        }
    }
    return all;
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

qreal FigurePainter::widthFor(const WindowProfile &profile, qreal height)
{
    const QRect all = extent(profile, nullptr);
    return all.isEmpty() ? height : height * all.width() / all.height();
}

void FigurePainter::paint(QPainter &painter, const QRectF &area, const WindowProfile &profile,
                          const Exercise &exercise)
{
    const QRect all = extent(profile, nullptr);
    const Design::Control *figure = row(profile, R::Figure);
    if (all.isEmpty() || !figure)
        return;
    const qreal scale = std::min(area.width() / all.width(), area.height() / all.height());
    const auto place = [&](const QRect &twips) {
        return QRectF(area.left() + (twips.left() - all.left()) * scale, area.top() + (twips.top() - all.top()) * scale,
                      twips.width() * scale, twips.height() * scale);
    };
    paintPicture(painter, place(figure->twips), figure->picture);

    // A point is twenty twips.
    const auto write = [&](const Design::Control &c, const QString &text) {
        QFont font = m_fonts.inPoints(c.font, 1);
        font.setPixelSize(std::max(1, qRound(c.font.points * 20 * scale)));
        painter.setFont(font);
        painter.setPen(c.fore.isSet() ? c.fore.color() : QColor(Qt::black));
        painter.drawText(place(c.twips), int(c.alignment()) | Qt::TextDontClip, text);
    };
    for (int p = 0; p < MeasurePlaces; ++p) {
        if (!used(exercise, p))
            continue;
        if (const Design::Control *label = row(profile, Places[p]))
            write(*label, exercise.captions[p]);
        if (const Design::Control *unit = row(profile, Units[p]))
            write(*unit, QString::fromUtf16(unit->caption));
    }
}

void FigurePainter::paintPicture(QPainter &painter, const QRectF &area, Artwork::Picture picture)
{
    renderPicture(painter, area, *m_pictures.document(picture));
}

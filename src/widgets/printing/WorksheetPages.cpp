// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorksheetPages.h"

#include "FigurePainter.h"
#include "definitions/ExerciseProfiles.h"

#include <QPainter>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace WorksheetPages {

namespace {

QStringList itemLines(const Worksheets::Item &item)
{
    QStringList lines{item.dataLine};
    for (int q = 0; q < item.questions.size(); ++q) {
        lines << item.questions[q];
        lines << Worksheets::answerLine(item.units.value(q));
    }
    return lines;
}

// An exercise: the heading, a problem's text across the page, then the
// figure at the left and the data, questions and answer lines beside it.
// What every block of a sheet draws its figures with, made once per sheet.
struct Figures
{
    QList<WindowProfile> profiles; // by choice, in the choice window's order
    FigurePainter painter;
};

Pages::Block itemBlock(const Worksheets::Item &item, const QString &header, const std::shared_ptr<Figures> &figures)
{
    const auto layout = [item, figures](QPainter &painter, const QRectF &area, bool paint) {
        const WindowProfile &profile = figures->profiles.at(item.choice);
        const qreal unit = millimetre(painter);
        qreal y = area.top();
        const auto text = [&](const QFont &font, qreal left, qreal width, const QString &t) {
            const QRectF box(left, y, width, 1e6);
            return paint ? paintText(painter, font, box, t) : textHeight(painter, font, width, t);
        };
        y += text(Pages::headingFont(), area.left(), area.width(), item.heading) + unit;
        if (!item.text.isEmpty())
            y += text(Pages::bodyFont(), area.left(), area.width(), item.text) + unit;

        // The figure's box, its measures inside it.
        const qreal figureHeight = 42 * unit;
        qreal figureWidth = 0;
        if (item.exercise) {
            figureWidth = std::min(56 * unit, area.width() * 0.45);
            if (paint)
                figures->painter.paint(painter, QRectF(area.left(), y, figureWidth, figureHeight), profile, *item.exercise);
        } else if (item.problem) {
            figureWidth = std::min(figureHeight * 1.4, area.width() * 0.4);
            if (paint) {
                figures->painter.paintPicture(painter, QRectF(area.left(), y, figureWidth, figureHeight),
                                              Artwork::named(QString::fromUtf16(item.problem->row().figure)));
            }
        }
        const qreal left = area.left() + figureWidth + 4 * unit;
        const qreal top = y;
        for (const QString &line : itemLines(item))
            y += text(Pages::bodyFont(), left, area.right() - left, line) + unit * 1.2;
        return std::max(y, top + figureHeight) - area.top();
    };
    return Pages::Block{layout, false, header};
}

} // namespace

Pages make(const Worksheets::Request &request, const QList<Worksheets::Version> &versions)
{
    Pages pages;
    auto figures = std::make_shared<Figures>();
    for (const ProfileSource source : ExerciseProfiles::all())
        figures->profiles << source();
    for (const Worksheets::Version &version : versions) {
        const QString header = Worksheets::pageHeader(request.number, version.letter);
        pages.add(Pages::textBlock(header, {{Pages::bodyFont(), Worksheets::pupilLines()}}, true));
        for (const Worksheets::Item &item : version.items)
            pages.add(itemBlock(item, header, figures));
        if (!request.solutions)
            continue;
        pages.add(Pages::textBlock(header, {{Pages::headingFont(), Worksheets::solutionsTitle()}}, true));
        for (const Worksheets::Item &item : version.items) {
            QList<std::pair<QFont, QString>> lines{{Pages::bodyFont(), item.solution}};
            for (const QString &working : item.working)
                lines.append({Pages::smallFont(), working});
            pages.add(Pages::textBlock(header, lines, false));
        }
    }
    return pages;
}

} // namespace WorksheetPages

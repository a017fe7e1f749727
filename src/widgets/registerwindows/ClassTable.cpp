// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClassTable.h"

#include "RegisterTexts.h"
#include "register/RegisterRow.h"

#include <QPainter>
#include <QStandardItemModel>

namespace ClassTable {

QStringList cells(const PupilSummary &p)
{
    return {p.schoolClass,
            p.pupil,
            QString::number(p.answers()),
            QString::number(p.right),
            QString::number(p.wrong),
            QString::number(p.percentRight()),
            p.lastDay.toString(u"dd/MM/yyyy"),
            p.toReview.join(QStringLiteral(", "))};
}

void fill(QStandardItemModel &model, const ClassSummary &summary, const QString &schoolClass)
{
    model.clear();
    model.setHorizontalHeaderLabels(RegisterTexts::columns());
    for (int i = 0; i < summary.pupils.size(); ++i) {
        const PupilSummary &p = summary.pupils[i];
        if (!schoolClass.isEmpty() && p.schoolClass.toCaseFolded() != schoolClass.toCaseFolded())
            continue;
        const QStringList texts = cells(p);
        const QVariantList sortKeys{p.schoolClass.toCaseFolded(), p.pupil.toCaseFolded(), p.answers(), p.right,
                                    p.wrong, p.percentRight(), p.lastDay, texts[ToReview]};
        QList<QStandardItem *> row;
        for (int c = 0; c < ColumnCount; ++c) {
            auto *item = new QStandardItem(texts[c]);
            item->setEditable(false);
            item->setData(sortKeys[c], SortRole);
            item->setData(i, PupilRole);
            if (c >= Answers && c <= Percent)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            row << item;
        }
        model.appendRow(row);
    }
}

namespace {

QList<QStringList> shownRows(const QAbstractItemModel &model)
{
    QList<QStringList> rows;
    QStringList header;
    for (int c = 0; c < model.columnCount(); ++c)
        header << model.headerData(c, Qt::Horizontal).toString();
    rows << header;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < model.columnCount(); ++c)
            row << model.index(r, c).data().toString();
        rows << row;
    }
    return rows;
}

} // namespace

QByteArray csv(const QAbstractItemModel &model)
{
    QByteArray out(RegisterCsv::Bom);
    for (const QStringList &row : shownRows(model)) {
        QList<QByteArray> fields;
        for (int c = 0; c < row.size(); ++c)
            fields << RegisterCsv::field(row[c], c == Class || c == Pupil);
        out += RegisterCsv::line(fields);
    }
    return out;
}

Pages pages(const QAbstractItemModel &model, const QString &title)
{
    // Shares of the page's width, the review the widest.
    static constexpr qreal Widths[ColumnCount] = {0.07, 0.2, 0.08, 0.07, 0.07, 0.08, 0.1, 0.33};
    Pages out;
    out.add(Pages::textBlock(RegisterTexts::pagesHeader(), {{Pages::headingFont(), title}}, true));
    const QList<QStringList> rows = shownRows(model);
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r];
        QFont font = Pages::bodyFont();
        font.setBold(r == 0);
        // A row is one block: never split over two pages.
        out.add({[cells, font](QPainter &painter, const QRectF &area, bool paint) {
                     const qreal gap = millimetre(painter);
                     qreal x = area.left();
                     qreal height = 0;
                     for (int c = 0; c < cells.size() && c < ColumnCount; ++c) {
                         const qreal width = area.width() * Widths[c] - gap;
                         const QRectF cell(x, area.top() + gap, width, area.height());
                         height = std::max(height, paint ? paintText(painter, font, cell, cells[c])
                                                         : textHeight(painter, font, width, cells[c]));
                         x += area.width() * Widths[c];
                     }
                     if (paint)
                         painter.drawLine(QPointF(area.left(), area.top()), QPointF(area.right(), area.top()));
                     return height + 2 * gap;
                 },
                 false, RegisterTexts::pagesHeader()});
    }
    return out;
}

} // namespace ClassTable

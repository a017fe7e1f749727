// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pages.h"

#include "sheets/Worksheet.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Placed
{
    int block;
    qreal top;
    qreal height;
};

} // namespace

QFont Pages::bodyFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10.5);
    return font;
}

QFont Pages::headingFont()
{
    QFont font = bodyFont();
    font.setBold(true);
    return font;
}

QFont Pages::smallFont()
{
    QFont font = bodyFont();
    font.setPointSizeF(9);
    return font;
}

Pages::Block Pages::textBlock(const QString &header, const QList<std::pair<QFont, QString>> &lines, bool newPage)
{
    const auto layout = [lines](QPainter &painter, const QRectF &area, bool paint) {
        const qreal gap = millimetre(painter);
        qreal y = area.top();
        for (const auto &[font, line] : lines) {
            const QRectF box(area.left(), y, area.width(), 1e6);
            y += (paint ? paintText(painter, font, box, line) : textHeight(painter, font, area.width(), line)) + gap;
        }
        return y - area.top();
    };
    return Block{layout, newPage, header};
}

qreal millimetre(const QPainter &painter)
{
    return painter.device()->logicalDpiY() / 25.4;
}

namespace {

// A line that wraps never leaves a unit, or any word, apart from the number
// before it: "224 cmq", "45π cmc", "________ cm" stay on one line.
QString keptTogether(QString text)
{
    static const QRegularExpression numberThenWord(u"([\\dπ_]) (?=\\p{L})"_s);
    return text.replace(numberThenWord, u"\\1\u00a0"_s);
}

} // namespace

qreal textHeight(QPainter &painter, const QFont &font, qreal width, const QString &text)
{
    painter.setFont(font);
    return painter.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, keptTogether(text)).height();
}

qreal paintText(QPainter &painter, const QFont &font, const QRectF &area, const QString &text)
{
    painter.setFont(font);
    QRectF used;
    painter.drawText(area, Qt::TextWordWrap, keptTogether(text), &used);
    return used.height();
}

bool Pages::print(QPagedPaintDevice &device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    if (!paint(painter, QRectF(0, 0, device.width(), device.height()), [&device] { return device.newPage(); }))
        return false;
    return painter.end();
}

bool Pages::paint(QPainter &painter, const QRectF &page, const std::function<bool()> &newPage) const
{
    const qreal mm = millimetre(painter);
    const QRectF body = page.adjusted(0, 10 * mm, 0, -10 * mm);
    const qreal gap = 5 * mm;

    // Layout: which block goes on which page, and where.
    QList<QList<Placed>> pages;
    qreal y = body.bottom();
    for (int i = 0; i < m_blocks.size(); ++i) {
        const qreal h = m_blocks[i].layout(painter, QRectF(body.left(), 0, body.width(), body.height()), false);
        if (pages.isEmpty() || m_blocks[i].newPage || y + h > body.bottom()) {
            pages.append(QList<Placed>());
            y = body.top();
        }
        pages.last().append({i, y, h});
        y += h + gap;
    }

    for (int p = 0; p < pages.size(); ++p) {
        if (p > 0 && !newPage())
            return false;
        const QString header = m_blocks[pages[p].first().block].header;
        painter.setPen(Qt::black);
        painter.setFont(smallFont());
        painter.drawText(QRectF(page.left(), page.top(), page.width(), 8 * mm), Qt::AlignLeft | Qt::AlignTop, header);
        painter.drawText(QRectF(page.left(), page.bottom() - 8 * mm, page.width(), 8 * mm),
                         Qt::AlignRight | Qt::AlignBottom, Worksheets::pageFooter(p + 1, int(pages.size())));
        painter.drawLine(QPointF(page.left(), page.top() + 8 * mm), QPointF(page.right(), page.top() + 8 * mm));
        for (const Placed &placed : pages[p])
            m_blocks[placed.block].layout(painter, QRectF(body.left(), placed.top, body.width(), placed.height), true);
    }
    return true;
}

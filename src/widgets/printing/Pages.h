// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <functional>
#include <utility>

class QPagedPaintDevice;
class QPainter;

// Paper pages made of blocks that are never split: each block is measured,
// the blocks are laid on pages top to bottom, and a block that does not fit
// opens a new page. Every page gets a header line and "Pagina p di n",
// counted over the whole document. Texts stay text and drawings vectors, on
// a PDF writer as on a printer.
class Pages
{
public:
    // Lays a block out in the area from its top: paints it when asked to, and
    // returns its height either way, so that measuring and painting agree.
    using Layout = std::function<qreal(QPainter &, const QRectF &area, bool paint)>;

    struct Block
    {
        Layout layout;
        bool newPage = false; // starts a page of its own (a version, the solutions)
        QString header;       // the header of the pages it lies on
    };

    void add(Block block) { m_blocks << std::move(block); }

    // A block of lines, each in its font, wrapped at the page's width.
    static Block textBlock(const QString &header, const QList<std::pair<QFont, QString>> &lines, bool newPage);

    // Lays out and paints every page on the device; false when the device
    // could not be painted on.
    bool print(QPagedPaintDevice &device) const;
    // Paints every page of this size with an open painter, asking for each
    // page after the first; false when a page could not be had.
    bool paint(QPainter &painter, const QRectF &page, const std::function<bool()> &newPage) const;

    // The text fonts, in points, as the pages use them.
    static QFont bodyFont();
    static QFont headingFont();
    static QFont smallFont();

private:
    QList<Block> m_blocks;
};

// The painter's device pixels in a millimetre.
qreal millimetre(const QPainter &painter);
// A text's height, wrapped at a width, in the painter's device.
qreal textHeight(QPainter &painter, const QFont &font, qreal width, const QString &text);
// Paints it so, and returns its height.
qreal paintText(QPainter &painter, const QFont &font, const QRectF &area, const QString &text);

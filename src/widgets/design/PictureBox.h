// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Artwork.h"

#include <QColor>
#include <QWidget>
#include <memory>
#include <optional>

// A picture from the artwork, drawn to fill the control at any scale and
// pixel ratio, on an optional background colour.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(std::shared_ptr<Artwork::Document> document, QWidget *parent = nullptr);
    ~PictureBox() override;

    Artwork::Picture picture() const { return m_document->picture(); }
    void setDocument(std::shared_ptr<Artwork::Document> document);
    void setBackground(const QColor &colour);
    // Where the picture itself lies inside the control (it keeps its shape).
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<Artwork::Document> m_document; // read on the first paint
    std::optional<QColor> m_background;
};

// A thin stroke across the control, top left to bottom right.
class LineStroke : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#pragma once

#include "Artwork.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <optional>

// A picture from the artwork, drawn to fill the control at any scale and
// pixel ratio, on an optional background colour.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(Artwork::Picture picture, QWidget *parent = nullptr);

    Artwork::Picture picture() const { return m_picture; }
    void setBackground(const QColor &colour);
    // Where the picture itself lies inside the control (it keeps its shape).
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Artwork::Picture m_picture;
    std::optional<QColor> m_background;
    QPixmap m_rendered; // kept until the size or pixel ratio changes
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

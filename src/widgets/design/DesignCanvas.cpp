// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesignCanvas.h"

#include "ControlFactory.h"
#include "Twips.h"
#include "figures/FigureMap.h"
#include "figures/LabelPlacement.h"

#include <QEvent>
#include <QLabel>
#include <QWindow>
#include <cmath>

namespace {

// A text's width at any size, from its glyphs' unhinted advances in a face
// loaded at one size. Hinting and the size's rounding to whole pixels move
// the width shown by up to about a quarter of a pixel a glyph.
class TextWidth
{
public:
    TextWidth(const QRawFont &face, const QString &text)
        : m_glyphs(int(text.size()))
    {
        const QList<quint32> glyphs = face.glyphIndexesForString(text);
        for (const QPointF advance : face.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics))
            m_perPixel += advance.x();
        m_perPixel /= face.pixelSize();
    }

    int atLeast(qreal pixels) const { return int(std::floor(m_perPixel * std::floor(pixels))) - 1; }
    int atMost(qreal pixels) const
    {
        return int(std::ceil(m_perPixel * std::ceil(pixels) + 0.3 * m_glyphs)) + 1;
    }

private:
    int m_glyphs;
    qreal m_perPixel = 0;
};

} // namespace

DesignCanvas::DesignCanvas(QSize clientAreaTwips, Mode mode, QWidget *parent)
    : QFrame(parent)
    , m_mode(mode)
    , m_clientArea(toPixels(QRect(QPoint(0, 0), clientAreaTwips)))
{
}

DesignCanvas::~DesignCanvas() = default;

QWidget *DesignCanvas::add(const Design::Control &row, Artwork::IconCache &icons)
{
    QWidget *control = Design::makeControl(row, this, icons);
    m_placed.append({control, row, row.font.points});
    return control;
}

void DesignCanvas::addAll(const QList<Design::Control> &table, Artwork::IconCache &icons)
{
    for (const Design::Control &row : table)
        add(row, icons);
    for (const Placed &p : std::as_const(m_placed)) {
        if (p.design.has(Design::OnTop))
            p.control->raise();
        if (p.design.has(Design::HasFocus))
            p.control->setFocus();
    }
}

QRect DesignCanvas::designExtent() const
{
    QRect extent = m_clientArea;
    for (const Placed &p : m_placed) {
        if (!p.design.has(Design::Hidden) && !p.design.has(Design::Tiny))
            extent |= toPixels(p.design.twips);
    }
    return extent;
}

bool DesignCanvas::event(QEvent *event)
{
    // A label whose text changed asks for a new size.
    if (event->type() == QEvent::LayoutRequest)
        layoutWhenSeen();
    return QFrame::event(event);
}

bool DesignCanvas::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && m_dirty && isVisible())
        relayout();
    return QFrame::eventFilter(watched, event);
}

void DesignCanvas::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutWhenSeen();
}

void DesignCanvas::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    if (QWindow *shown = window()->windowHandle(); shown && shown != m_watched) {
        shown->installEventFilter(this);
        m_watched = shown;
    }
    layoutWhenSeen();
}

void DesignCanvas::layoutWhenSeen()
{
    // Sizes a window passes through before it is first drawn are never
    // seen; laying out at each would load fonts at sizes nobody reads.
    m_dirty = true;
    if (isVisible() && m_watched && m_watched->isExposed())
        relayout();
}

void DesignCanvas::relayout()
{
    if (m_laying || m_placed.isEmpty())
        return;
    m_laying = true;
    m_dirty = false;
    QPointF offset(0, 0);
    m_scale = 1.0;
    if (m_mode == Mode::Scaled) {
        const QRect extent = designExtent();
        m_scale = std::min(width() / qreal(extent.width()), height() / qreal(extent.height()));
        if (m_scale <= 0)
            m_scale = 1.0;
        offset = QPointF((width() - extent.width() * m_scale) / 2 - extent.x() * m_scale,
                         (height() - extent.height() * m_scale) / 2 - extent.y() * m_scale);
    }

    const Placed *figure = nullptr;
    QRect room;
    for (Placed &p : m_placed) {
        if (!p.control)
            continue;
        if (p.design.font.family) {
            const QFont font = m_mode == Mode::Scaled ? m_fonts.scaled(p.design.font, m_scale)
                                                      : m_fonts.inPoints(p.design.font, p.points);
            if (p.control->font() != font)
                p.control->setFont(font);
        }
        if (p.design.has(Design::OnFigure))
            continue;
        QRect scaled = toPixels(p.design.twips);
        if (m_mode == Mode::Scaled) {
            const QRectF design = scaled;
            scaled = QRect(QPoint(int(std::lround(offset.x() + design.x() * m_scale)),
                                  int(std::lround(offset.y() + design.y() * m_scale))),
                           QSize(std::max(1, int(std::lround(design.width() * m_scale))),
                                 std::max(1, int(std::lround(design.height() * m_scale)))));
            scaled = grown(p.control, p.design, scaled);
        } else if (p.design.kind == Design::Kind::Label) {
            scaled = grown(p.control, p.design, keptInside(p, scaled));
        }
        if (p.design.role == Design::Role::Figure) {
            figure = &p;
            room = scaled;
        }
        p.control->setGeometry(scaled);
    }
    if (figure)
        placeOnFigure(room, figure->control, figure->design.picture);
    m_laying = false;
}

void DesignCanvas::placeOnFigure(const QRect &room, QWidget *figure, Artwork::Picture picture)
{
    // The picture's size is found for the widest measures a figure shows,
    // three digits, so that it keeps its size from one exercise to the next.
    static constexpr char16_t Widest[] = u"888 cm";
    QList<QWidget *> shown;
    QList<LabelPlacement::Label> labels;
    QList<LabelPlacement::Label> widest;
    for (const Placed &p : std::as_const(m_placed)) {
        auto *label = qobject_cast<QLabel *>(p.control.data());
        if (!label || !p.design.has(Design::OnFigure) || label->isHidden())
            continue;
        const int place = Design::measurePlace(p.design.role);
        const QSize hint = label->sizeHint();
        const QFontMetrics metrics = label->fontMetrics();
        const int widestText = metrics.horizontalAdvance(QString::fromUtf16(Widest));
        shown << label;
        labels << LabelPlacement::Label{place, hint};
        widest << LabelPlacement::Label{
            place, QSize(std::max(hint.width(), hint.width() - metrics.horizontalAdvance(label->text()) + widestText),
                         hint.height())};
    }
    if (shown.isEmpty())
        return;
    if (!m_figureMap || m_figurePicture != picture) {
        m_figureMap = std::make_unique<FigureMap>(Artwork::resourcePath(picture));
        m_figurePicture = picture;
        m_figureAsked.clear();
    }
    // The canvas is laid out again whenever a label's text changes, the
    // clock's at every tick: the same room and labels keep their places.
    QList<QRectF> asked{QRectF(room)};
    for (const LabelPlacement::Label &label : std::as_const(labels))
        asked << QRectF(QPointF(label.place, 0), label.size);
    if (asked != m_figureAsked) {
        m_figureLayout = LabelPlacement::fill(*m_figureMap, room, widest);
        if (m_figureLayout.fits)
            m_figureLayout = LabelPlacement::at(*m_figureMap, m_figureLayout.picture, room, labels);
        if (!m_figureLayout.fits)
            m_figureLayout = LabelPlacement::fill(*m_figureMap, room, labels);
        m_figureAsked = asked;
    }
    const LabelPlacement::Layout &layout = m_figureLayout;
    if (layout.picture.isEmpty())
        return;
    figure->setGeometry(layout.picture.toAlignedRect());
    for (int i = 0; i < shown.size(); ++i) {
        // A label with no room found stays by the picture's corner, seen.
        const QRectF r = layout.labels.value(i);
        shown[i]->setGeometry(r.isEmpty() ? QRect(layout.picture.topLeft().toPoint(), labels[i].size.toSize())
                                          : r.toAlignedRect());
    }
}

QRect DesignCanvas::keptInside(Placed &p, QRect r)
{
    // The free fonts run wider than the designed ones: a label beside a
    // control on top shrinks its font rather than slip under it.
    for (const Placed &other : std::as_const(m_placed)) {
        if (!p.design.has(Design::KeepsClear) || !other.design.has(Design::OnTop))
            continue;
        const QRect obstacle = toPixels(other.design.twips);
        if (r.top() < obstacle.bottom() && r.left() < obstacle.x())
            shrinkToFit(p, obstacle.x() - 4 - r.left());
    }
    // Inside the frame's border, unless the text needs more.
    const int f = frameWidth();
    r.setWidth(std::min(r.width(), m_clientArea.adjusted(f, f, -f, -f).right() - r.left()));
    return r;
}

void DesignCanvas::shrinkToFit(Placed &p, int room)
{
    // The largest of the sizes 0.75 points apart at which the text fits, or
    // the first one below 8 points. Measuring a size loads its face: bounds
    // on the text's width, from a face of the family already loaded at
    // another size, pass over the sizes that surely do not fit and spare
    // measuring one that surely does, so that mostly only the size shown is
    // loaded.
    constexpr qreal Step = 0.75;
    constexpr qreal Smallest = 8;
    const auto *label = qobject_cast<const QLabel *>(p.control.data());
    if (!label || p.points <= Smallest)
        return;
    const QFont designed = m_fonts.inPoints(p.design.font, p.points);
    const QString face = designed.family() + (designed.bold() ? u'b' : u' ') + (designed.italic() ? u'i' : u' ');
    QRawFont loaded = m_faces.value(face);
    if (!loaded.isValid())
        loaded = QRawFont::fromFont(designed);
    const TextWidth width(loaded, label->text());
    const qreal pixelsPerPoint = p.control->logicalDpiY() / 72.0;
    const auto measured = [&](qreal points) {
        p.control->setFont(m_fonts.inPoints(p.design.font, points));
        return p.control->sizeHint().width();
    };

    qreal points = p.points;
    while (points > Smallest) {
        const qreal pixels = points * pixelsPerPoint;
        if (width.atMost(pixels) <= room)
            break;
        if (width.atLeast(pixels) <= room && measured(points) <= room)
            break;
        points -= Step;
    }
    p.points = points;
    const QFont shown = m_fonts.inPoints(p.design.font, points);
    p.control->setFont(shown);
    m_faces.insert(face, QRawFont::fromFont(shown));
}

QRect DesignCanvas::grown(QWidget *control, const Design::Control &design, QRect scaled) const
{
    const bool grows = design.kind == Design::Kind::Label || design.kind == Design::Kind::Button;
    // A hidden control is measured when it is shown, not before: measuring
    // loads its face.
    if (!grows || design.has(Design::Tiny) || design.has(Design::RoomForLongest) || control->isHidden())
        return scaled;
    // An empty label needs no more room than designed, and one sized to its
    // text has no width: nothing of it shows. Measured, it would load its
    // face before it has anything to draw.
    const auto *label = qobject_cast<const QLabel *>(control);
    if (label && label->text().isEmpty())
        return design.has(Design::AutoSize) ? QRect(scaled.topLeft(), QSize(0, scaled.height())) : scaled;
    // A wrapped text keeps its width and takes the lines it needs.
    if (label && label->wordWrap())
        return QRect(scaled.topLeft(),
                     QSize(scaled.width(), std::max(scaled.height(), label->heightForWidth(scaled.width()))));
    const QSize hint = control->sizeHint();
    if (design.has(Design::AutoSize))
        return QRect(scaled.topLeft(), hint);

    QRect r = scaled;
    if (hint.width() > r.width()) {
        const int extra = hint.width() - r.width();
        if (design.has(Design::Centred))
            r.translate(-extra / 2, 0);
        else if (design.has(Design::RightAligned))
            r.translate(-extra, 0);
        r.setWidth(hint.width());
    }
    if (hint.height() > r.height())
        r.setHeight(hint.height());
    return r;
}

// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QTransform>

// A page-sized paint device that keeps what was written on it: each run of
// text with its place and type size, as Qt hands it to the paper.
class RecordingDevice : public QPaintDevice
{
public:
    struct Text
    {
        int page = 0;
        QString text;
        QRectF box;    // from the ascent above the baseline to the descent below
        qreal points;  // the type's size
    };

    static constexpr int Dpi = 300;

    explicit RecordingDevice(QSizeF millimetres)
        : m_size(qRound(millimetres.width() / 25.4 * Dpi), qRound(millimetres.height() / 25.4 * Dpi))
        , m_engine(this)
    {
    }
    ~RecordingDevice() override = default;

    QPaintEngine *paintEngine() const override { return &m_engine; }
    QList<Text> texts;
    int page = 0;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_size.width();
        case PdmHeight: return m_size.height();
        case PdmWidthMM: return qRound(m_size.width() * 25.4 / Dpi);
        case PdmHeightMM: return qRound(m_size.height() * 25.4 / Dpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return Dpi;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(RecordingDevice *device) : QPaintEngine(AllFeatures), m_device(device) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & DirtyTransform)
                m_transform = state.transform();
        }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF &p, const QTextItem &item) override
        {
            const QFont font = item.font();
            const QFontMetricsF metrics(font, m_device);
            const QRectF box(p.x(), p.y() - metrics.ascent(), item.width(), metrics.ascent() + metrics.descent());
            const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / Dpi;
            m_device->texts.append({m_device->page, item.text(), m_transform.mapRect(box),
                                    points * std::sqrt(std::abs(m_transform.determinant()))});
        }

    private:
        RecordingDevice *m_device;
        QTransform m_transform;
    };

    QSize m_size;
    mutable Engine m_engine;
};

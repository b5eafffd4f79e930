#pragma once

#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QTextItem>
#include <QVector>

#include <climits>

/// A paint device that remembers what was drawn on it instead of rasterising, so tests can
/// read back label texts with their baseline positions and the shapes in view pixels.
class PaintRecorder final : public QPaintDevice
{
public:
    struct Text
    {
        QPointF pos;
        QString text;
    };

    PaintRecorder()
        : m_engine(this)
    {}

    QPaintEngine *paintEngine() const override { return &m_engine; }

    QStringList textList() const
    {
        QStringList out;
        for (const Text &t : texts)
            out << t.text;
        return out;
    }

    QVector<Text> texts;
    QVector<QLineF> lines;
    QVector<QRectF> rects;
    QVector<QRectF> ellipses;
    QVector<QPainterPath> paths;
    QVector<QPointF> points;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight: return 4000;
        case PdmWidthMM:
        case PdmHeightMM: return 1000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine final : public QPaintEngine
    {
    public:
        explicit Engine(PaintRecorder *recorder)
            : QPaintEngine(AllFeatures)
            , m_rec(recorder)
        {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        Type type() const override { return User; }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawTextItem(const QPointF &p, const QTextItem &item) override
        {
            m_rec->texts.append({p, item.text()});
        }
        void drawLines(const QLineF *lines, int count) override
        {
            for (int i = 0; i < count; ++i)
                m_rec->lines.append(lines[i]);
        }
        void drawRects(const QRectF *rects, int count) override
        {
            for (int i = 0; i < count; ++i)
                m_rec->rects.append(rects[i]);
        }
        void drawEllipse(const QRectF &rect) override { m_rec->ellipses.append(rect); }
        void drawPath(const QPainterPath &path) override { m_rec->paths.append(path); }
        void drawPoints(const QPointF *points, int count) override
        {
            for (int i = 0; i < count; ++i)
                m_rec->points.append(points[i]);
        }
        void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
        {
            for (int i = 1; i < count; ++i)
                m_rec->lines.append(QLineF(points[i - 1], points[i]));
        }

    private:
        PaintRecorder *m_rec;
    };

    mutable Engine m_engine;
};

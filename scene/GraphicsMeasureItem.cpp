#include "scene/GraphicsMeasureItem.h"

#include "app/Startup.h"
#include "scene/Geometry.h"

#include <QPainter>

GraphicsMeasureItem::GraphicsMeasureItem()
    : GraphicsItem(GraphicsType::None, 2)
    , m_mmPerPixel(screen_mm_pixel)
{}

int GraphicsMeasureItem::hitTest(const QPointF &point) const
{
    return hitKeyPointsOrChain(point);
}

void GraphicsMeasureItem::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    painter.save();
    painter.setPen(QPen(m_selected ? Qt::blue : Qt::red));
    if (showKeyPoints())
        drawKeyPoints(painter);
    if (v.size() == 2) {
        painter.drawLine(v.at(0), v.at(1));
        drawVerticalLine(painter, v.at(0));
        drawVerticalLine(painter, v.at(1));
    }
    painter.restore();
}

void GraphicsMeasureItem::setUnit(int unit)
{
    m_unit = unit;
    update();
}

double GraphicsMeasureItem::length() const
{
    // Picture pixels: a calibration's ratio (real length ÷ this) converts picture pixels,
    // whatever the zoom at which the segment was laid.
    const QVector<QPointF> p = imagePoints();
    return p.size() >= 2 ? distance(p.at(0), p.at(1)) : 0.0;
}

double GraphicsMeasureItem::lengthUnit() const
{
    // On-screen length, for the magnification: view pixels times the screen's pixel pitch.
    const QVector<QPointF> v = viewPoints();
    double value = (v.size() >= 2 ? distance(v.at(0), v.at(1)) : 0.0) * m_mmPerPixel;
    switch (m_unit) {
    case 3: value /= 25.4; break;
    case 2: value *= 1000.0; break;
    case 1: value /= 10.0; break;
    default: break;
    }
    return value;
}

void GraphicsMeasureItem::drawVerticalLine(QPainter &painter, const QPointF &p) const
{
    const QVector<QPointF> v = viewPoints();
    if (v.size() < 2 || v.at(0) == v.at(1))
        return; // no direction to stand across
    LINE line;
    GenerateAline(toFloatPoint(v.at(0)), toFloatPoint(v.at(1)), &line);
    const LINE normal{line.b, -line.a, line.a * p.y() - line.b * p.x()};
    const FloatPoint fp = toFloatPoint(p);
    const FloatPoint a = LinePointX(normal, 100000.0);
    const FloatPoint b = LinePointX(normal, -100000.0);
    FloatPoint from;
    FloatPoint to;
    NewPointAfterPointMoveOnVector(fp, 50.0, {a.x - fp.x, a.y - fp.y}, &from);
    NewPointAfterPointMoveOnVector(fp, 50.0, {b.x - fp.x, b.y - fp.y}, &to);
    painter.drawLine(toQPoint(from), toQPoint(to));
}

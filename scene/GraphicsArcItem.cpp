#include "scene/GraphicsArcItem.h"

#include "scene/Geometry.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// Angle of q on the circle about c with radius r, in degrees within (-360, 0], in the
// painter's convention (0 at three o'clock, positive counter-clockwise on screen).
double pointAngle(const QPointF &q, const QPointF &c, double r)
{
    const float k = std::clamp(static_cast<float>((q.x() - c.x()) / r), -1.0f, 1.0f);
    const double theta = static_cast<double>(std::acos(k)) * 180.0 / kGeometryPi;
    return q.y() >= c.y() ? -theta : theta - 360.0;
}

struct Sweep
{
    double start = 0.0; // sixteenths of a degree
    double span = 0.0;
};

// The sweep from the first to the third point that passes through the second one.
Sweep arcSweep(const QPointF &p0, const QPointF &p1, const QPointF &p2, const QPointF &c, double r)
{
    Sweep sweep;
    sweep.start = pointAngle(p0, c, r) * 16.0;
    sweep.span = pointAngle(p2, c, r) * 16.0 - sweep.start;
    if (sweep.span >= 0.0)
        sweep.span -= 5760.0; // clockwise on screen
    double middle = pointAngle(p1, c, r) * 16.0 - sweep.start;
    if (middle > 0.0)
        middle -= 5760.0;
    // The middle point lies on the other side: the arc runs counter-clockwise instead.
    if (middle < sweep.span)
        sweep.span += 5760.0;
    return sweep;
}
} // namespace

GraphicsArcItem::GraphicsArcItem()
    : GraphicsItem(GraphicsType::Arc, 3)
{}

int GraphicsArcItem::hitTest(const QPointF &point) const
{
    return hitKeyPointsOrChain(point);
}

void GraphicsArcItem::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (!drawKeyPointsAndChain(painter, v, 2))
        return;
    double viewRadius = 0.0;
    const QPointF viewCentre = genCircle(v.at(0), v.at(1), v.at(2), viewRadius);
    if (!(viewRadius > 0.0))
        return; // collinear: the two segments only
    const Sweep viewSweep = arcSweep(v.at(0), v.at(1), v.at(2), viewCentre, viewRadius);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(viewCentre - QPointF(viewRadius, viewRadius),
                           viewCentre + QPointF(viewRadius, viewRadius)),
                    qRound(viewSweep.start), qRound(viewSweep.span));
    double radius = 0.0;
    const QPointF centre = genCircle(p.at(0), p.at(1), p.at(2), radius);
    if (!(radius > 0.0))
        return;
    const Sweep sweep = arcSweep(p.at(0), p.at(1), p.at(2), centre, radius);
    const double length = std::fabs(sweep.span) / 16.0 / 360.0 * 2.0 * kGeometryPi * radius;
    drawLabel(painter, v.at(0), makeString(QStringLiteral("C"), length));
}

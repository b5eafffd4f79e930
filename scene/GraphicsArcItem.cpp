#include "scene/GraphicsArcItem.h"

#include "scene/MeasureFormulas.h"

#include "scene/Geometry.h"

#include <QPainter>

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
    const ArcSweep viewSweep = arcSweep(v.at(0), v.at(1), v.at(2), viewCentre, viewRadius);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(viewCentre - QPointF(viewRadius, viewRadius),
                           viewCentre + QPointF(viewRadius, viewRadius)),
                    qRound(viewSweep.start), qRound(viewSweep.span));
    double length = 0.0;
    double radius = 0.0;
    if (!arcLength(p.at(0), p.at(1), p.at(2), length, radius))
        return;
    drawLabel(painter, v.at(0), makeString(QStringLiteral("C"), length));
}

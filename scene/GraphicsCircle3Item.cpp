#include "scene/GraphicsCircle3Item.h"

#include "scene/Geometry.h"

#include <QPainter>

GraphicsCircle3Item::GraphicsCircle3Item()
    : GraphicsItem(GraphicsType::Circle3, 3)
{}

int GraphicsCircle3Item::hitTest(const QPointF &point) const
{
    return hitKeyPointsOrChain(point);
}

void GraphicsCircle3Item::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (!drawKeyPointsAndChain(painter, v, 2))
        return;
    double viewRadius = 0.0;
    const QPointF c = genCircle(v.at(0), v.at(1), v.at(2), viewRadius);
    if (!(viewRadius > 0.0))
        return; // collinear: no circle, no label
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(
        QRectF(c - QPointF(viewRadius, viewRadius), c + QPointF(viewRadius, viewRadius)));
    double radius = 0.0;
    genCircle(p.at(0), p.at(1), p.at(2), radius);
    if (radius > 0.0)
        drawLabel(painter, v.at(0), makeString(QStringLiteral("R"), radius));
}

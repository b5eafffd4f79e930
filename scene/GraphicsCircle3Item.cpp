#include "scene/GraphicsCircle3Item.h"

#include "scene/Geometry.h"

#include <QPainter>

GraphicsCircle3Item::GraphicsCircle3Item()
{
    m_type = GraphicsType::Circle3;
    m_requiredPoints = 3;
}

int GraphicsCircle3Item::hitTest(const QPointF &point) const
{
    return hitKeyPointsOrChain(point);
}

void GraphicsCircle3Item::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (showKeyPoints())
        drawKeyPoints(painter);
    if (v.size() < 2)
        return;
    painter.drawLine(v.at(0), v.at(1));
    if (v.size() < 3)
        return;
    painter.drawLine(v.at(1), v.at(2));
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

#include "scene/GraphicsCircle1Item.h"

#include "scene/Geometry.h"

#include <QPainter>

GraphicsCircle1Item::GraphicsCircle1Item()
    : GraphicsItem(GraphicsType::Circle1, 2)
{}

int GraphicsCircle1Item::hitTest(const QPointF &point) const
{
    // Grabbing the centre moves the circle; the rim point changes the radius.
    const int hit = GraphicsItem::hitTest(point);
    return hit == 1 ? 0 : hit;
}

void GraphicsCircle1Item::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (showKeyPoints() && !v.isEmpty())
        drawPoints(painter, {v.first()});
    if (v.size() < 2)
        return;
    const double r = distance(v.at(0), v.at(1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(v.at(0) - QPointF(r, r), v.at(0) + QPointF(r, r)));
    drawLabel(painter, v.at(0), makeString(QStringLiteral("R"), distance(p.at(0), p.at(1))));
}

#include "scene/GraphicsCircle2Item.h"

#include "scene/Geometry.h"

#include <QPainter>

GraphicsCircle2Item::GraphicsCircle2Item()
    : GraphicsItem(GraphicsType::Circle2, 2)
{}

int GraphicsCircle2Item::hitTest(const QPointF &point) const
{
    return hitKeyPointsOrChain(point);
}

void GraphicsCircle2Item::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (!drawKeyPointsAndChain(painter, v, 1))
        return;
    const QPointF c = (v.at(0) + v.at(1)) / 2.0;
    const double r = distance(v.at(0), v.at(1)) / 2.0;
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(c - QPointF(r, r), c + QPointF(r, r)));
    drawLabel(painter, v.at(0), makeString(QStringLiteral("D"), distance(p.at(0), p.at(1))));
}

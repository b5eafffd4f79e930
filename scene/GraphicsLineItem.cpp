#include "scene/GraphicsLineItem.h"

#include "scene/Geometry.h"

#include <QPainter>

GraphicsLineItem::GraphicsLineItem()
    : GraphicsItem(GraphicsType::Line, 2)
{}

int GraphicsLineItem::hitTest(const QPointF &point) const
{
    return hitKeyPointsOrChain(point);
}

void GraphicsLineItem::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (showKeyPoints())
        drawKeyPoints(painter);
    if (v.size() != 2)
        return;
    painter.drawLine(v.at(0), v.at(1));
    drawLabel(painter, v.at(0), makeString(QStringLiteral("L"), distance(p.at(0), p.at(1))));
}

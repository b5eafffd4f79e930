#include "scene/GraphicsDoubleCircleItem.h"

#include "scene/Geometry.h"

#include <QPainter>

GraphicsDoubleCircleItem::GraphicsDoubleCircleItem()
    : GraphicsItem(GraphicsType::DoubleCircle, 3)
{}

int GraphicsDoubleCircleItem::hitTest(const QPointF &point) const
{
    // The centre moves both circles; each rim point changes its own radius.
    const int hit = GraphicsItem::hitTest(point);
    return hit == 1 ? 0 : hit;
}

void GraphicsDoubleCircleItem::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (showKeyPoints() && !v.isEmpty())
        drawPoints(painter, {v.first()});
    if (v.size() < 2)
        return;
    painter.setBrush(Qt::NoBrush);
    const double r1 = distance(v.at(0), v.at(1));
    painter.drawEllipse(QRectF(v.at(0) - QPointF(r1, r1), v.at(0) + QPointF(r1, r1)));
    drawLabel(painter, v.at(0), makeString(QStringLiteral("R1"), distance(p.at(0), p.at(1))));
    if (v.size() < 3)
        return;
    const double r2 = distance(v.at(0), v.at(2));
    painter.drawEllipse(QRectF(v.at(0) - QPointF(r2, r2), v.at(0) + QPointF(r2, r2)));
    drawLabel(painter, v.at(0), makeString(QStringLiteral("R2"), distance(p.at(0), p.at(2))), 2);
}

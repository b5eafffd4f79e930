#include "scene/GraphicsVerticalLineItem.h"

#include "scene/MeasureFormulas.h"

#include "scene/Geometry.h"

#include <QPainter>

GraphicsVerticalLineItem::GraphicsVerticalLineItem()
    : GraphicsItem(GraphicsType::VerticalLine, 3)
{}

int GraphicsVerticalLineItem::hitTest(const QPointF &point) const
{
    return hitKeyPointsOrChain(point);
}

void GraphicsVerticalLineItem::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (!drawKeyPointsAndChain(painter, v, 1))
        return;
    if (v.size() < 3)
        return;
    QPointF viewFoot;
    if (!perpendicularFoot(v.at(0), v.at(1), v.at(2), viewFoot))
        return;
    painter.drawLine(v.at(2), viewFoot);
    // Measured on the picture's own points, so the value is the same at every zoom and in
    // rendered captures.
    QPointF foot;
    if (perpendicularFoot(p.at(0), p.at(1), p.at(2), foot))
        drawLabel(painter, v.at(0), makeString(QStringLiteral("D"), distance(p.at(2), foot)));
}

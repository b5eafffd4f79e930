#include "scene/GraphicsBrokenLineItem.h"

#include "scene/Geometry.h"

#include <QPainter>

GraphicsBrokenLineItem::GraphicsBrokenLineItem()
    : GraphicsItem(GraphicsType::BrokenLine, 50)
{}

int GraphicsBrokenLineItem::hitTest(const QPointF &point) const
{
    return hitKeyPointsOrChain(point);
}

void GraphicsBrokenLineItem::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (showKeyPoints())
        drawKeyPoints(painter);
    if (v.size() < 2)
        return;
    painter.drawPolyline(v.constData(), v.size());
    double length = 0.0;
    for (int i = 1; i < p.size(); ++i)
        length += distance(p.at(i - 1), p.at(i));
    drawLabel(painter, v.at(0), makeString(QStringLiteral("L"), length));
}

bool GraphicsBrokenLineItem::editStop()
{
    // The right click has just added a point of its own; it only marks the end.
    if (m_keyPoints.size() <= 2)
        return false;
    m_keyPoints.removeLast();
    m_requiredPoints = m_keyPoints.size();
    return true;
}

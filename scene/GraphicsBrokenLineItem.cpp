#include "scene/GraphicsBrokenLineItem.h"

#include "scene/MeasureFormulas.h"

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
    drawLabel(painter, v.at(0), makeString(QStringLiteral("L"), polylineLength(p)));
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

#include "scene/GraphicsPolygonItem.h"

#include "scene/MeasureFormulas.h"

#include "config/Config.h"

#include <QPainter>

GraphicsPolygonItem::GraphicsPolygonItem()
    : GraphicsItem(GraphicsType::Polygon, 100)
{}

int GraphicsPolygonItem::hitTest(const QPointF &point) const
{
    return hitKeyPointsOrChain(point, true);
}

void GraphicsPolygonItem::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (showKeyPoints())
        drawKeyPoints(painter);
    const int n = v.size();
    if (n < 2)
        return;
    painter.drawPolyline(v.constData(), n);
    if (n <= 2)
        return;
    painter.drawLine(v.at(n - 1), v.at(0));
    const Config *config = getConfig();
    if (config && config->polygonAreaMode == 0)
        return;
    drawLabel(painter, v.at(0), makeString(QStringLiteral("S"), polygonArea(p)));
}

bool GraphicsPolygonItem::editStop()
{
    // The right click has just added a point of its own; it only marks the end.
    if (m_keyPoints.size() <= 2)
        return false;
    m_keyPoints.removeLast();
    m_requiredPoints = m_keyPoints.size();
    return true;
}

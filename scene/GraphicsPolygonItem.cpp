#include "scene/GraphicsPolygonItem.h"

#include "config/Config.h"
#include "scene/Geometry.h"

#include <QPainter>

#include <vector>

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
    std::vector<FloatPoint> pts(static_cast<size_t>(n) + 1); // room for the closing vertex
    for (int i = 0; i < n; ++i)
        pts[static_cast<size_t>(i)] = toFloatPoint(p.at(i));
    drawLabel(painter, v.at(0), makeString(QStringLiteral("S"), PolygonArea(pts.data(), n)));
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

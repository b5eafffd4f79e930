#include "scene/GraphicsRectItem.h"

#include "scene/MeasureFormulas.h"

#include <QPainter>

GraphicsRectItem::GraphicsRectItem()
    : GraphicsItem(GraphicsType::Rect, 2)
{}

int GraphicsRectItem::hitTest(const QPointF &point) const
{
    const int hit = GraphicsItem::hitTest(point);
    if (hit != -1 || m_keyPoints.size() < 2)
        return hit;
    const QPointF p0 = m_keyPoints.at(0);
    const QPointF p1 = m_keyPoints.at(1);
    const QVector<QPointF> corners{p0, QPointF(p1.x(), p0.y()), p1, QPointF(p0.x(), p1.y())};
    return hitChain(point, corners, true) ? 0 : -1;
}

void GraphicsRectItem::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (showKeyPoints())
        drawKeyPoints(painter);
    if (v.size() != 2)
        return;
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(v.at(0), v.at(1)).normalized());
    drawLabel(painter, v.at(0), makeString(QStringLiteral("S"), rectArea(p.at(0), p.at(1))));
}

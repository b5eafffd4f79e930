#include "scene/GraphicsCrossItem.h"

#include <QLine>
#include <QPainter>

GraphicsCrossItem::GraphicsCrossItem()
{
    m_type = GraphicsType::Cross;
    m_requiredPoints = 2;
}

void GraphicsCrossItem::editFinish()
{
    // The first press only picks the cross up; the second one places it.
    if (m_keyPoints.size() > 1)
        m_keyPoints.removeFirst();
    m_requiredPoints = 1;
}

int GraphicsCrossItem::hitTest(const QPointF &point) const
{
    const int hit = GraphicsItem::hitTest(point);
    if (hit != -1 || m_keyPoints.isEmpty())
        return hit;
    const QPointF c = m_keyPoints.first();
    if (hitLineTest(point, QPointF(c.x(), -4000), QPointF(c.x(), 4000)) ||
        hitLineTest(point, QPointF(-4000, c.y()), QPointF(4000, c.y())))
        return 0;
    return -1;
}

void GraphicsCrossItem::draw(QPainter &painter)
{
    QVector<QPointF> v = viewPoints();
    if (v.size() > 1)
        v.removeFirst();
    if (v.isEmpty())
        return;
    const int x = static_cast<int>(v.first().x());
    const int y = static_cast<int>(v.first().y());
    painter.drawLine(QLine(x, -4000, x, 4000));
    painter.drawLine(QLine(-4000, y, 4000, y));
}

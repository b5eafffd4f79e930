#include "scene/GraphicsCrossItem.h"

#include <QGraphicsScene>
#include <QLine>
#include <QPainter>

#include <algorithm>

namespace {
// The lines reach 4000 pixels each way, further when the picture itself is larger, so that
// they always cross the whole picture.
int reach(const QPointF &farCorner)
{
    return std::max(
        {4000, static_cast<int>(farCorner.x()) + 1, static_cast<int>(farCorner.y()) + 1});
}
} // namespace

GraphicsCrossItem::GraphicsCrossItem()
    : GraphicsItem(GraphicsType::Cross, 2)
{}

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
    const int r = reach(scene() ? scene()->sceneRect().bottomRight() : QPointF());
    if (hitLineTest(point, QPointF(c.x(), -r), QPointF(c.x(), r)) ||
        hitLineTest(point, QPointF(-r, c.y()), QPointF(r, c.y())))
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
    const int r = reach(scene() ? toViewPoint(scene()->sceneRect().bottomRight()) : QPointF());
    painter.drawLine(QLine(x, -r, x, r));
    painter.drawLine(QLine(-r, y, r, y));
}

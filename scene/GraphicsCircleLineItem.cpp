#include "scene/GraphicsCircleLineItem.h"

#include "scene/Geometry.h"

#include <QPainter>

GraphicsCircleLineItem::GraphicsCircleLineItem()
    : GraphicsItem(GraphicsType::CircleLine, 4)
{}

void GraphicsCircleLineItem::setKeyPoint(int index, const QPointF &point)
{
    // Dragging a centre carries its circle along: the radius stays and the rim point moves
    // straight above the new centre.
    if (m_valid && (index == 0 || index == 2) && index + 1 < m_keyPoints.size()) {
        const double r = distance(m_keyPoints.at(index), m_keyPoints.at(index + 1));
        m_keyPoints[index] = point;
        m_keyPoints[index + 1] = QPointF(point.x(), static_cast<int>(point.y() - r));
        update();
        return;
    }
    GraphicsItem::setKeyPoint(index, point);
}

int GraphicsCircleLineItem::hitTest(const QPointF &point) const
{
    return hitKeyPointsOrChain(point);
}

void GraphicsCircleLineItem::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (showKeyPoints()) {
        QVector<QPointF> centres;
        if (!m_keyPoints.isEmpty())
            centres.append(toViewPoint(m_keyPoints.at(0)));
        if (m_keyPoints.size() >= 3)
            centres.append(toViewPoint(m_keyPoints.at(2)));
        drawPoints(painter, centres);
    }
    if (v.size() < 2)
        return;
    painter.setBrush(Qt::NoBrush);
    const int r1 = static_cast<int>(distance(v.at(0), v.at(1)));
    painter.drawEllipse(QRectF(v.at(0) - QPointF(r1, r1), v.at(0) + QPointF(r1, r1)));
    if (v.size() < 3)
        return;
    painter.drawLine(v.at(0), v.at(2));
    if (v.size() < 4)
        return;
    const int r2 = static_cast<int>(distance(v.at(2), v.at(3)));
    painter.drawEllipse(QRectF(v.at(2) - QPointF(r2, r2), v.at(2) + QPointF(r2, r2)));
    drawLabel(painter, v.at(0), makeString(QStringLiteral("L"), distance(p.at(0), p.at(2))));
}

#include "scene/GraphicsParallelLineItem.h"

#include "scene/MeasureFormulas.h"

#include "scene/Geometry.h"

#include <QPainter>

GraphicsParallelLineItem::GraphicsParallelLineItem()
    : GraphicsItem(GraphicsType::ParallelLine, 4)
{}

QPointF GraphicsParallelLineItem::adjustPoint(const QPointF &q, const QPointF &p) const
{
    if (m_keyPoints.size() < 2)
        return p;
    LINE base;
    GenerateAline(toFloatPoint(m_keyPoints.at(0)), toFloatPoint(m_keyPoints.at(1)), &base);
    if (base.a == 0.0 && base.b == 0.0)
        return p; // coincident base points: no direction to be parallel to
    const LINE parallel{base.a, base.b, -(base.a * q.x() + base.b * q.y())};
    const QPointF byX = toQPoint(LinePointX(parallel, p.x()));
    // A horizontal base has no point for a given ordinate; only the abscissa candidate lies
    // on the parallel then.
    if (base.a == 0.0)
        return byX;
    const QPointF byY(LinePointY(parallel, p.y()), p.y());
    return distance(byX, p) < distance(byY, p) ? byX : byY;
}

bool GraphicsParallelLineItem::calcRoot(QPointF &root) const
{
    if (m_keyPoints.size() < 3)
        return false;
    return parallelRoot(m_keyPoints.at(0), m_keyPoints.at(1), m_keyPoints.at(2), root);
}

void GraphicsParallelLineItem::setKeyPoint(int index, const QPointF &point)
{
    GraphicsItem::setKeyPoint(index, point);
    // A finished item keeps its fourth point on the parallel whatever point changed.
    if (m_valid && m_keyPoints.size() == 4)
        GraphicsItem::setKeyPoint(3, adjustPoint(m_keyPoints.at(2), m_keyPoints.at(3)));
}

void GraphicsParallelLineItem::editFinish()
{
    if (m_keyPoints.size() == 4)
        m_keyPoints[3] = adjustPoint(m_keyPoints.at(2), m_keyPoints.at(3));
}

int GraphicsParallelLineItem::hitTest(const QPointF &point) const
{
    if (m_keyPoints.size() >= 2 && hitLineTest(point, m_keyPoints.at(0), m_keyPoints.at(1)))
        return 0;
    if (m_keyPoints.size() >= 4 && hitLineTest(point, m_keyPoints.at(2), m_keyPoints.at(3)))
        return 0;
    QPointF root;
    if (m_keyPoints.size() >= 3 && calcRoot(root) &&
        hitLineTest(point, (m_keyPoints.at(0) + m_keyPoints.at(1)) / 2.0, root))
        return 0;
    return -1;
}

void GraphicsParallelLineItem::draw(QPainter &painter)
{
    QVector<QPointF> v = viewPoints();
    if (showKeyPoints())
        drawKeyPoints(painter);
    if (!m_valid && m_keyPoints.size() == 3 && v.size() == 4)
        v[3] = toViewPoint(adjustPoint(m_keyPoints.at(2), m_cursorPoint));
    if (v.size() < 2)
        return;
    painter.drawLine(v.at(0), v.at(1));
    if (v.size() < 4)
        return;
    painter.drawLine(v.at(2), v.at(3));
    QPointF root;
    if (!calcRoot(root))
        return;
    painter.drawLine((v.at(0) + v.at(1)) / 2.0, toViewPoint(root));
    const QPointF m = (m_keyPoints.at(0) + m_keyPoints.at(1)) / 2.0;
    drawLabel(painter, v.at(0), makeString(QStringLiteral("D"), distance(m, root)));
}

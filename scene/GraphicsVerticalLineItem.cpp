#include "scene/GraphicsVerticalLineItem.h"

#include "scene/Geometry.h"

#include <QPainter>

namespace {
// Foot of the perpendicular from p on the line through a and b; false when a and b coincide.
bool footPoint(const QPointF &a, const QPointF &b, const QPointF &p, QPointF &foot)
{
    LINE base;
    GenerateAline(toFloatPoint(a), toFloatPoint(b), &base);
    const LINE normal{base.b, -base.a, base.a * p.y() - base.b * p.x()};
    FloatPoint f;
    if (!IsLineCrossWithLine(base, normal, f))
        return false;
    foot = toQPoint(f);
    return true;
}
} // namespace

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
    if (!footPoint(v.at(0), v.at(1), v.at(2), viewFoot))
        return;
    painter.drawLine(v.at(2), viewFoot);
    // Measured on the picture's own points, so the value is the same at every zoom and in
    // rendered captures.
    QPointF foot;
    if (footPoint(p.at(0), p.at(1), p.at(2), foot))
        drawLabel(painter, v.at(0), makeString(QStringLiteral("D"), distance(p.at(2), foot)));
}

#include "scene/GraphicsAngleLineItem.h"

#include "scene/MeasureFormulas.h"

#include <QPainter>

GraphicsAngleLineItem::GraphicsAngleLineItem()
    : GraphicsItem(GraphicsType::AngleLine, 3)
{}

int GraphicsAngleLineItem::hitTest(const QPointF &point) const
{
    return hitKeyPointsOrChain(point);
}

void GraphicsAngleLineItem::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (!drawKeyPointsAndChain(painter, v, 2))
        return;
    if (labelsHidden() || p.at(0) == p.at(1) || p.at(2) == p.at(1))
        return; // an arm without length has no direction
    // Measured on the picture's points: a stretched or rounded view must not bend the angle.
    // Both frames have y downward, so the sign follows the placing order the same way.
    const QString text = QStringLiteral("A:") +
                         QString::number(armsAngle(p.at(0), p.at(1), p.at(2)), 'f', 2) +
                         QStringLiteral(" deg");
    drawLabel(painter, v.at(1), text);
}

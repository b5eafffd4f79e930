#pragma once

#include "scene/GraphicsItem.h"

/// Two parallel lines and their distance. The fourth point snaps onto the line through the third
/// point parallel to the base.
class GraphicsParallelLineItem final : public GraphicsItem
{
public:
    GraphicsParallelLineItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
    void setKeyPoint(int index, const QPointF &point) override;
    void editFinish() override;

    /// The point of the parallel to the base through q that is nearer to p: the one with p's
    /// abscissa or the one with p's ordinate. Without a base direction p stays as it is.
    QPointF adjustPoint(const QPointF &q, const QPointF &p) const;
    /// Foot of the base's perpendicular bisector on the parallel through the third point.
    bool calcRoot(QPointF &root) const;
};

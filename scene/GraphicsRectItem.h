#pragma once

#include "scene/GraphicsItem.h"

/// An axis-parallel rectangle by two opposite corners, and its area.
class GraphicsRectItem final : public GraphicsItem
{
public:
    GraphicsRectItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
};

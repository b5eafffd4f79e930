#pragma once

#include "scene/GraphicsItem.h"

/// Two concentric circles and their radii.
class GraphicsDoubleCircleItem final : public GraphicsItem
{
public:
    GraphicsDoubleCircleItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
};

#pragma once

#include "scene/GraphicsItem.h"

/// The circle through three points, and its radius.
class GraphicsCircle3Item final : public GraphicsItem
{
public:
    GraphicsCircle3Item();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
};

#pragma once

#include "scene/GraphicsItem.h"

/// The arc through three points and its length.
class GraphicsArcItem final : public GraphicsItem
{
public:
    GraphicsArcItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
};

#pragma once

#include "scene/GraphicsItem.h"

/// A segment and its length.
class GraphicsLineItem final : public GraphicsItem
{
public:
    GraphicsLineItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
};

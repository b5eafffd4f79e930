#pragma once

#include "scene/GraphicsItem.h"

/// A point: its display coordinates (origin at the picture centre, y upward).
class GraphicsPointItem final : public GraphicsItem
{
public:
    GraphicsPointItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
};

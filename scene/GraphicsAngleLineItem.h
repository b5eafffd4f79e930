#pragma once

#include "scene/GraphicsItem.h"

/// Two arms from a vertex and the signed angle between them.
class GraphicsAngleLineItem final : public GraphicsItem
{
public:
    GraphicsAngleLineItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
};

#pragma once

#include "scene/GraphicsItem.h"

/// A base line and the perpendicular from a point onto it, with its length.
class GraphicsVerticalLineItem final : public GraphicsItem
{
public:
    GraphicsVerticalLineItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
};

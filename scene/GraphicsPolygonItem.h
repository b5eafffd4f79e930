#pragma once

#include "scene/GraphicsItem.h"

/// A closed polygon and its area; a right click ends it.
class GraphicsPolygonItem final : public GraphicsItem
{
public:
    GraphicsPolygonItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
    bool editStop() override;
};

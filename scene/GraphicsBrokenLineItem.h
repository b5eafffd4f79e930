#pragma once

#include "scene/GraphicsItem.h"

/// A chain of segments and its total length; a right click ends it.
class GraphicsBrokenLineItem final : public GraphicsItem
{
public:
    GraphicsBrokenLineItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
    bool editStop() override;
};

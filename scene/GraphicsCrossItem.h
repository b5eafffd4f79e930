#pragma once

#include "scene/GraphicsItem.h"

/// A crosshair placed on the picture: a full horizontal and vertical line, no label.
class GraphicsCrossItem final : public GraphicsItem
{
public:
    GraphicsCrossItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
    void editFinish() override;
};

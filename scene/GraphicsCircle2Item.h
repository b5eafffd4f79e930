#pragma once

#include "scene/GraphicsItem.h"

/// A circle by the two ends of a diameter, and the diameter.
class GraphicsCircle2Item final : public GraphicsItem
{
public:
    GraphicsCircle2Item();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
};

#pragma once

#include "scene/GraphicsItem.h"

/// A circle by its centre and a rim point, and its radius.
class GraphicsCircle1Item final : public GraphicsItem
{
public:
    GraphicsCircle1Item();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
};

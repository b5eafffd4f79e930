#pragma once

#include "scene/GraphicsItem.h"

/// Two circles, each by centre and rim, and the distance of their centres.
class GraphicsCircleLineItem final : public GraphicsItem
{
public:
    GraphicsCircleLineItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;
    void setKeyPoint(int index, const QPointF &point) override;
};

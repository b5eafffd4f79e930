#pragma once

#include "scene/GraphicsItem.h"

/// The calibration segment: the user lays it over a feature of known length. length() is
/// its length in picture pixels, what a calibration's ratio converts; lengthUnit() is its
/// length on the screen in the chosen unit, from which the magnification follows.
class GraphicsMeasureItem final : public GraphicsItem
{
public:
    GraphicsMeasureItem();

    int hitTest(const QPointF &point) const override;
    void draw(QPainter &painter) override;

    /// Unit index as in BDInfo::unitString.
    void setUnit(int unit);
    int unit() const { return m_unit; }
    double length() const;
    double lengthUnit() const;
    /// The end tick at p: 50 view pixels to each side, across the segment.
    void drawVerticalLine(QPainter &painter, const QPointF &p) const;

private:
    int m_unit = 0;
    double m_mmPerPixel = 0.0;
};

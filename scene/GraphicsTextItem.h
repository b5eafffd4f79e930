#pragma once

#include "scene/GraphicsItem.h"

#include <QString>

/// A free text note anchored at one point, drawn in the style's font colour. The text travels
/// with the saved form, so undo and redo bring notes back with their words.
class GraphicsTextItem final : public GraphicsItem
{
public:
    GraphicsTextItem();
    ~GraphicsTextItem() override;

    QRectF boundingRect() const override;
    void draw(QPainter &painter) override;
    GraphicsItemData save() const override;
    void restore(const GraphicsItemData &data) override;

    void setText(const QString &text);
    QString text() const { return m_text; }

private:
    QString m_text;
};

#include "scene/GraphicsTextItem.h"

#include <QPainter>

GraphicsTextItem::GraphicsTextItem()
    : GraphicsItem(GraphicsType::Text, 1)
{}

GraphicsTextItem::~GraphicsTextItem() = default;

QRectF GraphicsTextItem::boundingRect() const
{
    if (!m_valid || m_keyPoints.isEmpty())
        return QRectF();
    return QRectF(m_keyPoints.first(), QSizeF(60, 20));
}

void GraphicsTextItem::draw(QPainter &painter)
{
    if (!m_valid || m_keyPoints.isEmpty())
        return;
    const QVector<QPointF> v = viewPoints();
    painter.save();
    QPen pen = painter.pen();
    pen.setColor(m_style.fontColor());
    painter.setPen(pen);
    QFont font = painter.font();
    font.setPixelSize(m_style.fontSize());
    painter.setFont(font);
    drawLabel(painter, v.first(), m_text);
    painter.restore();
}

GraphicsItemData GraphicsTextItem::save() const
{
    GraphicsItemData data = GraphicsItem::save();
    data.text = m_text;
    return data;
}

void GraphicsTextItem::restore(const GraphicsItemData &data)
{
    m_text = data.text;
    GraphicsItem::restore(data);
}

void GraphicsTextItem::setText(const QString &text)
{
    m_text = text;
    update();
}

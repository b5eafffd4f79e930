#include "scene/GraphicsPointItem.h"

#include "scene/CameraScene.h"

#include <QPainter>
#include <QRectF>

#include <cmath>

namespace {
constexpr double MarkWidth = 5.0;
}

GraphicsPointItem::GraphicsPointItem()
    : GraphicsItem(GraphicsType::Point, 1)
{}

int GraphicsPointItem::hitTest(const QPointF &point) const
{
    if (m_keyPoints.isEmpty())
        return -1;
    const QPointF d = point - m_keyPoints.first();
    return (std::fabs(d.x()) <= 10.0 && std::fabs(d.y()) <= 10.0) ? 0 : -1;
}

void GraphicsPointItem::draw(QPainter &painter)
{
    const QVector<QPointF> v = viewPoints();
    const QVector<QPointF> p = imagePoints();
    if (v.isEmpty())
        return;
    // A point of the plain line width is a single pixel, lost on any real picture: the mark
    // is at least a round dot of five pixels in the pen colour.
    painter.save();
    QPen pen = painter.pen();
    if (pen.widthF() < MarkWidth) {
        pen.setWidthF(MarkWidth);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
    }
    painter.drawPoints(v.constData(), 1);
    painter.restore();
    if (labelsHidden())
        return;
    QPoint disp = p.first().toPoint();
    if (CameraScene *s = cameraScene())
        disp = s->toDispPoint(disp);
    drawLabel(painter, v.first(), QString::asprintf("%.4d,%.4d", disp.x(), disp.y()));
}

#include "scene/GraphicsItem.h"

#include "calibration/BDInfo.h"
#include "scene/CameraScene.h"
#include "scene/Geometry.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPainter>

#include <algorithm>
#include <cmath>

GraphicsItem::GraphicsItem(int type, int requiredPoints)
    : m_type(type)
    , m_requiredPoints(requiredPoints)
{}

GraphicsItem::~GraphicsItem() = default;

QRectF GraphicsItem::boundingRect() const
{
    if (m_keyPoints.isEmpty())
        return QRectF();
    // The running bounds start at ±100000, which also clips coordinates beyond that.
    double minX = 100000.0, minY = 100000.0;
    double maxX = -100000.0, maxY = -100000.0;
    for (const QPointF &p : imagePoints()) {
        minX = std::min(minX, p.x());
        minY = std::min(minY, p.y());
        maxX = std::max(maxX, p.x());
        maxY = std::max(maxY, p.y());
    }
    return QRectF(QPointF(minX, minY), QPointF(maxX, maxY));
}

void GraphicsItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    draw(*painter);
}

void GraphicsItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    const QPointF p = event->scenePos();
    m_pressPoint = p;
    m_cursorPoint = p;
    m_pressed = true;
    if (!m_valid) {
        m_keyPoints.append(p);
        if (m_keyPoints.size() == m_requiredPoints) {
            editFinish();
            m_valid = true;
        }
        update();
    } else {
        m_dragIndex = hitTest(p);
    }
}

void GraphicsItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    const QPointF p = event->scenePos();
    if (!m_valid) {
        // The point just placed follows the mouse while the button is held.
        if (m_pressed && !m_keyPoints.isEmpty())
            setKeyPoint(m_keyPoints.size() - 1, p);
        m_cursorPoint = p;
        update();
        return;
    }
    if (!m_pressed || m_dragIndex == -1)
        return;
    const QPointF d = p - m_pressPoint;
    if (m_dragIndex == 0) {
        // Whole items move by whole picture pixels. The press point advances only by what
        // was moved, so the remainder carries into the next step and the item keeps up with
        // a slow mouse when one view pixel is less than a picture pixel.
        const int dx = static_cast<int>(d.x());
        const int dy = static_cast<int>(d.y());
        move(dx, dy);
        m_pressPoint += QPointF(dx, dy);
    } else {
        const int index = m_dragIndex - 1;
        if (index < m_keyPoints.size())
            setKeyPoint(index, m_keyPoints.at(index) + d);
        m_pressPoint = p;
    }
    if (CameraScene *s = cameraScene())
        s->graphicMoved(this);
}

void GraphicsItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_pressed && !m_valid) {
        m_cursorPoint = event->scenePos();
        if (event->button() == Qt::RightButton && editStop()) {
            editFinish();
            m_valid = true;
        }
        update();
    }
    m_pressed = false;
    m_dragIndex = -1;
}

void GraphicsItem::setKeyPoint(int index, const QPointF &point)
{
    if (index < 0 || index >= m_keyPoints.size())
        return;
    m_keyPoints[index] = point;
    update();
}

int GraphicsItem::hitTest(const QPointF &point) const
{
    const double radius = hitRadius();
    for (int i = 0; i < m_keyPoints.size(); ++i) {
        if (distance(point, m_keyPoints.at(i)) < radius)
            return i + 1;
    }
    return -1;
}

bool GraphicsItem::editStop()
{
    return m_keyPoints.size() == m_requiredPoints;
}

void GraphicsItem::editFinish() {}

GraphicsItemData GraphicsItem::save() const
{
    GraphicsItemData data;
    data.type = type();
    data.points = m_keyPoints;
    data.style = m_style;
    return data;
}

void GraphicsItem::restore(const GraphicsItemData &data)
{
    m_keyPoints = data.points;
    m_requiredPoints = m_keyPoints.size();
    m_style = data.style;
    m_valid = true;
    update();
}

void GraphicsItem::setStyle(const StyleInfo &style)
{
    m_style = style;
}

void GraphicsItem::addKeyPoint(const QPointF &point)
{
    m_keyPoints.append(point);
    update();
}

void GraphicsItem::setLastKeyPoint(const QPointF &point)
{
    setKeyPoint(m_keyPoints.size() - 1, point);
}

void GraphicsItem::setCursorPoint(const QPointF &point)
{
    m_cursorPoint = point;
    update();
}

void GraphicsItem::move(int dx, int dy)
{
    for (QPointF &p : m_keyPoints)
        p += QPointF(dx, dy);
    update();
}

QVector<QPointF> GraphicsItem::imagePoints() const
{
    QVector<QPointF> points = m_keyPoints;
    if (!m_valid)
        points.append(m_cursorPoint);
    return points;
}

QVector<QPointF> GraphicsItem::viewPoints() const
{
    return toViewPoints(imagePoints());
}

QVector<QPointF> GraphicsItem::toViewPoints(const QVector<QPointF> &points) const
{
    QVector<QPointF> out;
    out.reserve(points.size());
    for (const QPointF &p : points)
        out.append(toViewPoint(p));
    return out;
}

QPointF GraphicsItem::toViewPoint(const QPointF &point) const
{
    CameraScene *s = cameraScene();
    return s ? s->toViewPoint(point) : point;
}

QPointF GraphicsItem::toImagePoint(const QPointF &point) const
{
    const QPoint rounded = point.toPoint();
    const QGraphicsScene *s = scene();
    if (!s || s->views().isEmpty())
        return QPointF(rounded);
    return s->views().first()->mapToScene(rounded);
}

void GraphicsItem::drawPoints(QPainter &painter, const QVector<QPointF> &points) const
{
    painter.save();
    for (const QPointF &p : points) {
        painter.fillRect(QRect(static_cast<int>(p.x() - 5), static_cast<int>(p.y() - 5), 10, 10),
                         QColor(255, 255, 0, 255));
    }
    painter.restore();
}

void GraphicsItem::drawKeyPoints(QPainter &painter) const
{
    drawPoints(painter, toViewPoints(m_keyPoints));
}

QString GraphicsItem::makeString(const QString &prefix, double value) const
{
    CameraScene *s = cameraScene();
    const BDInfo info = s ? s->bdInfo() : BDInfo();
    if (info.unit == -1)
        return QString();
    QString unit = BDInfo::unitString(info.unit);
    double factor = info.ratio;
    if (prefix == QLatin1String("S")) {
        factor = factor * factor;
        if (!unit.isEmpty())
            unit += QChar(0x00B2); // superscript two: "mm²", "px²"
    }
    return prefix + QLatin1Char(':') + QString::number(factor * value, 'f', 4) + QLatin1Char(' ') +
           unit;
}

bool GraphicsItem::labelsHidden() const
{
    CameraScene *s = cameraScene();
    return s && s->bdInfo().unit == -1;
}

bool GraphicsItem::hitLineTest(const QPointF &p, const QPointF &a, const QPointF &b) const
{
    return ShortestDistBetweenPointAndLineseg(toFloatPoint(p), {toFloatPoint(a), toFloatPoint(b)}) <
           hitRadius();
}

bool GraphicsItem::hitCircleTest(const QPointF &p, const QPointF &c, double r) const
{
    return std::fabs(distance(p, c) - r) < 5.0;
}

void GraphicsItem::setSelected(bool selected)
{
    m_selected = selected;
    update();
}

void GraphicsItem::setHover(bool hover)
{
    m_hover = hover;
    update();
}

void GraphicsItem::update()
{
    if (QGraphicsScene *s = scene())
        s->update();
}

Config *GraphicsItem::getConfig() const
{
    CameraScene *s = cameraScene();
    return s ? s->config() : nullptr;
}

CameraScene *GraphicsItem::cameraScene() const
{
    return qobject_cast<CameraScene *>(scene());
}

double GraphicsItem::hitRadius() const
{
    double s = 1.0;
    if (CameraScene *cs = cameraScene())
        s = std::min(cs->xscale(), 1.0);
    if (!(s > 0.0)) // a view not sized yet
        s = 1.0;
    return 5.0 / s;
}

bool GraphicsItem::hitChain(const QPointF &p, const QVector<QPointF> &points, bool closed) const
{
    for (int i = 1; i < points.size(); ++i) {
        if (hitLineTest(p, points.at(i - 1), points.at(i)))
            return true;
    }
    return closed && points.size() > 2 && hitLineTest(p, points.last(), points.first());
}

int GraphicsItem::hitKeyPointsOrChain(const QPointF &p, bool closed) const
{
    const int hit = GraphicsItem::hitTest(p);
    if (hit != -1)
        return hit;
    return hitChain(p, m_keyPoints, closed) ? 0 : -1;
}

void GraphicsItem::drawLabel(QPainter &painter, const QPointF &anchor, const QString &text,
                             int lines) const
{
    if (text.isEmpty())
        return;
    painter.drawText(
        QPoint(static_cast<int>(anchor.x()), static_cast<int>(anchor.y() + lines * testYOffset())),
        text);
}

bool GraphicsItem::drawKeyPointsAndChain(QPainter &painter, const QVector<QPointF> &v,
                                         int segments) const
{
    if (showKeyPoints())
        drawKeyPoints(painter);
    for (int i = 1; i <= segments; ++i) {
        if (v.size() <= i)
            return false;
        painter.drawLine(v.at(i - 1), v.at(i));
    }
    return true;
}

#pragma once

#include "calibration/StyleInfo.h"
#include "scene/GraphicsItemData.h"
#include "scene/GraphicsType.h"

#include <QGraphicsItem>
#include <QPointF>
#include <QVector>

class CameraScene;
class Config;
class QGraphicsSceneMouseEvent;

/// One measurement on the picture. Keeps its key points in picture coordinates, draws itself
/// in view pixels (so lines and texts keep their size at every zoom) and measures in picture
/// pixels (so values do not depend on the zoom). The scene forwards its mouse events to the
/// item being built or grabbed; the press/move/release handlers add, drag and move points.
class GraphicsItem : public QGraphicsItem
{
public:
    ~GraphicsItem() override;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    // Public: the scene calls them directly instead of through its own dispatch.
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

    virtual void setKeyPoint(int index, const QPointF &point);
    /// 0 = the whole item, i ≥ 1 = key point i − 1, -1 = nothing.
    virtual int hitTest(const QPointF &point) const;
    int type() const override { return m_type; }
    virtual void draw(QPainter &painter) = 0;
    /// Asked on a right-button release of an unfinished item; true finishes it.
    virtual bool editStop();
    /// Runs once when the item becomes valid by input.
    virtual void editFinish();

    virtual GraphicsItemData save() const;
    /// Key points, count and style from the data; the item becomes valid. The caller has made
    /// the item of the data's kind.
    virtual void restore(const GraphicsItemData &data);

    bool isVaild() const { return m_valid; }
    const StyleInfo &style() const { return m_style; }
    StyleInfo &style() { return m_style; }
    void setStyle(const StyleInfo &style);

    int keyPointCount() const { return m_keyPoints.size(); }
    int requiredPoints() const { return m_requiredPoints; }
    QPointF keyPoint(int index) const { return m_keyPoints.at(index); }
    const QVector<QPointF> &keyPoints() const { return m_keyPoints; }
    void addKeyPoint(const QPointF &point);
    void setLastKeyPoint(const QPointF &point);
    void setCursorPoint(const QPointF &point);
    /// Moves every key point by whole picture pixels.
    void move(int dx, int dy);

    /// Key points, then the cursor point while the item is unfinished.
    QVector<QPointF> imagePoints() const;
    QVector<QPointF> viewPoints() const;
    QVector<QPointF> toViewPoints(const QVector<QPointF> &points) const;
    QPointF toViewPoint(const QPointF &point) const;
    QPointF toImagePoint(const QPointF &point) const;

    void drawPoints(QPainter &painter, const QVector<QPointF> &points) const;
    void drawKeyPoints(QPainter &painter) const;

    /// The label: prefix, ":", value × calibration factor with four decimals, " ", unit.
    /// Prefix "S" marks an area. Empty when the calibration's unit is -1.
    QString makeString(const QString &prefix, double value) const;
    /// Labels sit this many pixels below their anchor: the style's font size.
    int testYOffset() const { return m_style.fontSize(); }

    bool hitLineTest(const QPointF &p, const QPointF &a, const QPointF &b) const;
    bool hitCircleTest(const QPointF &p, const QPointF &c, double r) const;

    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    void setHover(bool hover);
    bool isHover() const { return m_hover; }
    bool isPressed() const { return m_pressed; }
    int dragIndex() const { return m_dragIndex; }

    /// Repaints the whole scene (items draw outside any rectangle Qt could track).
    void update();
    Config *getConfig() const;
    CameraScene *cameraScene() const;

protected:
    /// Each kind states its type and how many points finish it.
    GraphicsItem(int type, int requiredPoints);

    /// Whether the key-point squares show: while building, selected or hovered.
    bool showKeyPoints() const { return !m_valid || m_selected || m_hover; }
    /// Grab radius in picture pixels: 5, growing to 5 view pixels when the view shrinks.
    double hitRadius() const;
    /// The body test shared by most kinds: near one of the segments between consecutive
    /// points (and from the last back to the first when closed).
    bool hitChain(const QPointF &p, const QVector<QPointF> &points, bool closed = false) const;
    /// The base key-point test, then the chain of key points: 0 for the body.
    int hitKeyPointsOrChain(const QPointF &p, bool closed = false) const;
    /// Draws text with its baseline `lines` font sizes below the anchor (view pixels).
    void drawLabel(QPainter &painter, const QPointF &anchor, const QString &text,
                   int lines = 1) const;
    bool labelsHidden() const;
    /// The start of most kinds' drawing: the key-point squares when they show, then the
    /// segments v0–v1, v1–v2 … up to `segments` of them as far as the points reach. True when
    /// all of them were drawn.
    bool drawKeyPointsAndChain(QPainter &painter, const QVector<QPointF> &v, int segments) const;

    int m_type = GraphicsType::None;
    QVector<QPointF> m_keyPoints;
    int m_requiredPoints = 0;
    QPointF m_cursorPoint;
    QPointF m_pressPoint;
    bool m_pressed = false;
    bool m_selected = false;
    bool m_hover = false;
    bool m_valid = false;
    int m_dragIndex = -1;
    StyleInfo m_style;
};

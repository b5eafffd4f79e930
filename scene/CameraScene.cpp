#include "scene/CameraScene.h"

#include <QGraphicsView>

CameraScene::CameraScene(QObject *parent) : QGraphicsScene(parent)
{
    setItemIndexMethod(QGraphicsScene::NoIndex);
}

CameraScene::~CameraScene() = default;

void CameraScene::showGrid(bool on)
{
    m_showGrid = on;
    update();
}

void CameraScene::showTime(bool on)
{
    m_showTime = on;
    update();
}

void CameraScene::setBaseImage(const QImage &image)
{
    m_baseImage = image.copy();
    setSceneRect(QRectF(image.rect()));
    update();
}

QPointF CameraScene::toViewPoint(const QPointF &p) const
{
    if (m_rendering || views().isEmpty())
        return p;
    return views().first()->mapFromScene(p);
}

QPoint CameraScene::toDispPoint(const QPoint &p) const
{
    return QPoint(p.x() - m_baseImage.width() / 2, m_baseImage.height() / 2 - p.y());
}

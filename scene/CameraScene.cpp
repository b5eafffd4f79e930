#include "scene/CameraScene.h"

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

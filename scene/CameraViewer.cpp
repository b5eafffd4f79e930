#include "scene/CameraViewer.h"

#include "scene/CameraScene.h"

CameraViewer::CameraViewer(QWidget *parent) : QGraphicsView(parent)
{
    setScene(new CameraScene(this));
}

CameraViewer::~CameraViewer() = default;

CameraScene *CameraViewer::scene() const
{
    return static_cast<CameraScene *>(QGraphicsView::scene());
}

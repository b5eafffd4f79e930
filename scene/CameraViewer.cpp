#include "scene/CameraViewer.h"

#include "scene/CameraScene.h"

#include <QElapsedTimer>

CameraViewer::CameraViewer(QWidget *parent)
    : QGraphicsView(parent)
{
    setAttribute(Qt::WA_MouseTracking);
    setScene(new CameraScene(this));
    setOptimizationFlag(QGraphicsView::IndirectPainting);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The scene maps pictures onto the whole widget: a frame would shift and shrink them.
    setFrameShape(QFrame::NoFrame);
    // Every frame repaints everything; region bookkeeping would only cost time.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    // The background pass paints every pixel, so the viewport need not be filled first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
}

CameraViewer::~CameraViewer() = default;

CameraScene *CameraViewer::scene() const
{
    return static_cast<CameraScene *>(QGraphicsView::scene());
}

void CameraViewer::paintEvent(QPaintEvent *event)
{
    QElapsedTimer timer;
    timer.start();
    QGraphicsView::paintEvent(event);
    m_fps.addValue(timer.nsecsElapsed() / 1000000.0);
}

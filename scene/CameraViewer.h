#pragma once

#include "capture/FpsHelper.h"

#include <QGraphicsView>

class CameraScene;

/// The view that shows one CameraScene. The host sizes it and then tells the scene with
/// CameraScene::updateCameraViewSize(); the view itself never zooms or scrolls.
class CameraViewer : public QGraphicsView
{
    Q_OBJECT
    Q_DISABLE_COPY(CameraViewer)

public:
    explicit CameraViewer(QWidget *parent = nullptr);
    ~CameraViewer() override;

    CameraScene *scene() const;
    /// Painting time in milliseconds per second of the last three seconds.
    const FpsHelper &fps() const { return m_fps; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    FpsHelper m_fps;
};

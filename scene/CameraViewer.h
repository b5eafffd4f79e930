#pragma once

#include <QGraphicsView>

class CameraScene;

/// The view that shows one CameraScene.
class CameraViewer : public QGraphicsView
{
    Q_OBJECT

public:
    explicit CameraViewer(QWidget *parent = nullptr);
    ~CameraViewer() override;

    CameraScene *scene() const;
};

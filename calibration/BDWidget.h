#pragma once

#include <QWidget>

class CameraScene;
class Config;

/// The measurement side panel: tools, style and calibrations.
class BDWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BDWidget(QWidget *parent = nullptr);
    ~BDWidget() override;

    void init(CameraScene *scene, Config *config);
    void updateBDInfo() {}
    void showMainPage() {}
    void setScale(double) {}

signals:
    void bdInfoChanged();

private:
    CameraScene *m_scene = nullptr;
    Config *m_config = nullptr;
};

#include "calibration/BDWidget.h"

BDWidget::BDWidget(QWidget *parent) : QWidget(parent) {}

BDWidget::~BDWidget() = default;

void BDWidget::init(CameraScene *scene, Config *config)
{
    m_scene = scene;
    m_config = config;
    updateBDInfo();
}

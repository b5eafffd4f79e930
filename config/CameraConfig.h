#pragma once

#include "config/CameraParam.h"

#include <QSize>
#include <QString>

/// The remembered settings of one camera, stored under its device id.
class CameraConfig
{
public:
    CameraConfig() = default;

    QString name;
    bool paramsRead = false;
    QSize resolution{640, 480};
    QString format = QStringLiteral("MJPG");
    CameraParam exposure;
    CameraParam gain;
    CameraParam brightness;
    CameraParam contrast;
    CameraParam saturation;
    CameraParam hue;
    CameraParam gamma;
    CameraParam sharpness;
    CameraParam spareParam;
    bool autoWhiteBalance = false;
    double redGain = 0.0;
    double greenGain = 0.0;
    double blueGain = 0.0;
    bool blackWhite = false;
    bool flipHorizontal = false;
    bool flipVertical = false;
};

QDataStream &operator<<(QDataStream &out, const CameraConfig &config);
QDataStream &operator>>(QDataStream &in, CameraConfig &config);

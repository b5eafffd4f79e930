#pragma once

#include "calibration/BDInfo.h"
#include "calibration/StyleInfo.h"
#include "config/CameraConfig.h"

#include <QDateTime>
#include <QMap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

/// All persistent settings of the program. The main window owns one by value and hands out
/// pointers to it; dialogs edit copies and assign them back when accepted.
class Config
{
public:
    Config();

    void setCurrentCamera(const QString &id);
    CameraConfig cameraInfo(const QString &id) const;
    void setCameraInfo(const QString &id, const CameraConfig &config);
    /// Back to the device defaults: every parameter value and the three switches.
    void resetCameraInfo(const QString &id);

    int polygonAreaMode = 2; // not stored
    bool showTime = true;
    int language = 1;
    QRect spareRect;
    QString currentCamera;
    QMap<QString, CameraConfig> cameras;
    QVector<BDInfo> bdInfos;
    StyleInfo style;
    QString imageDir;
    QString movieDir;
    QString imageSubDir = QStringLiteral("Photo");
    QString movieSubDir = QStringLiteral("Video");
    QStringList imageFiles;
    QStringList movieFiles;
    int imageFormat = 1;
    int movieFormat = 0;
    bool autoRecordOn = false;
    int autoRecordType = 0;
    QDateTime autoRecordStart;
    QDateTime autoRecordNext;
    int autoRecordInterval = 1;
    int autoRecordLength = 10;
    int autoRecordTotal = 10;
    int autoRecordCount = 0;
};

/// The signature at the start of the configuration file.
QVector<int> magicFileList();

QDataStream &operator<<(QDataStream &out, const Config &config);
QDataStream &operator>>(QDataStream &in, Config &config);

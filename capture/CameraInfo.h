#pragma once

#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <QVector>

struct DeviceProfile;

/// One camera the program is willing to use: a platform camera matched to a device profile.
class CameraInfo
{
public:
    QString name;                         ///< the profile's description, shown in the camera list
    QString id;                           ///< the platform's device id
    QVector<QPair<int, int>> resolutions; ///< ascending pixel count, no duplicates
    int defaultResolutionIndex = 0;
};

/// The resolutions of `offered` that the profile allows, by ascending pixel count (camera
/// order among equal counts), each size once.
QVector<QPair<int, int>> usableResolutions(const QList<QSize> &offered,
                                           const DeviceProfile &profile);

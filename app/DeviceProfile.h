#pragma once

#include <QPair>
#include <QString>
#include <QVector>

/// One supported camera model: which resolutions the program offers for it and which one it
/// picks by default. Cameras are matched by USB vendor and product id only.
struct DeviceProfile
{
    QString modelLabel;
    QString description;
    QVector<QPair<int, int>> resolutions;
    int defaultResolutionIndex = 0;
    int productId = 0;
    int vendorId = 0;
};

/// The device-profile table; filled once by initSetting() and never changed afterwards, so
/// pointers into it stay valid for the life of the process.
extern QVector<DeviceProfile> g_supportDevice;

/// Fills g_progmaName and the twelve device profiles. Call exactly once, at start-up.
void initSetting();

/// The profile whose vendor and product id match the last eight hexadecimal digits of the
/// device id (four of vendor, four of product), or null.
const DeviceProfile *getDeviceInfo(const QString &deviceId);

/// The profile for a vendor/product pair, or null.
const DeviceProfile *getDeviceInfo(int vendorId, int productId);

#pragma once

#include <QString>

struct DeviceProfile;

/// USB vendor and product id of a video device node ("/dev/videoN") read from sysfs:
/// /sys/class/video4linux/videoN/device resolved to its real path, then the nearest directory
/// above it that holds idVendor and idProduct. False when the node is not a USB camera.
bool usbIdsForVideoDevice(const QString &deviceName, int *vendorId, int *productId,
                          const QString &sysfsRoot = QStringLiteral("/sys"));

/// The device profile of a platform camera id: ids ending in eight hexadecimal digits are
/// matched by those digits; video device nodes by the USB ids that sysfs reports.
const DeviceProfile *profileForDevice(const QString &deviceId,
                                      const QString &sysfsRoot = QStringLiteral("/sys"));

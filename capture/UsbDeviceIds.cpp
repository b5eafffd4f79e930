#include "capture/UsbDeviceIds.h"

#include "app/DeviceProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

bool readHexFile(const QString &path, int *value)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.read(16).trimmed();
    bool ok = false;
    const int v = text.toInt(&ok, 16);
    if (!ok || text.size() != 4)
        return false;
    *value = v;
    return true;
}

bool endsInEightHexDigits(const QString &id)
{
    static const QRegularExpression tail(QStringLiteral("[0-9A-Fa-f]{8}$"));
    return tail.match(id).hasMatch();
}

} // namespace

bool usbIdsForVideoDevice(const QString &deviceName, int *vendorId, int *productId,
                          const QString &sysfsRoot)
{
    static const QRegularExpression node(QStringLiteral("^/dev/(video[0-9]+)$"));
    const QRegularExpressionMatch m = node.match(deviceName);
    if (!m.hasMatch())
        return false;

    const QString link = sysfsRoot + QStringLiteral("/class/video4linux/") + m.captured(1) +
                         QStringLiteral("/device");
    const QString real = QFileInfo(link).canonicalFilePath();
    if (real.isEmpty())
        return false;
    // The interface directory sits below the USB device directory; a camera on a platform
    // bus has no USB ancestor and stays unmatched. Never climb out of the sysfs tree.
    const QString root = QFileInfo(sysfsRoot).canonicalFilePath();
    for (QDir dir(real);;) {
        const QString path = dir.absolutePath();
        if (root.isEmpty() || !path.startsWith(root + QLatin1Char('/')))
            return false;
        int vendor = 0;
        int product = 0;
        if (readHexFile(dir.filePath(QStringLiteral("idVendor")), &vendor) &&
            readHexFile(dir.filePath(QStringLiteral("idProduct")), &product)) {
            *vendorId = vendor;
            *productId = product;
            return true;
        }
        if (!dir.cdUp())
            return false;
    }
}

const DeviceProfile *profileForDevice(const QString &deviceId, const QString &sysfsRoot)
{
    if (endsInEightHexDigits(deviceId))
        return getDeviceInfo(deviceId);
    int vendor = 0;
    int product = 0;
    if (usbIdsForVideoDevice(deviceId, &vendor, &product, sysfsRoot))
        return getDeviceInfo(vendor, product);
    return nullptr;
}

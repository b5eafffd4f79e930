#include "app/DeviceProfile.h"

#include "app/Startup.h"

QVector<DeviceProfile> g_supportDevice;

void initSetting()
{
    g_progmaName = QStringLiteral("Lumivex Pro");

    using Res = QVector<QPair<int, int>>;
    const Res fiveMp{{1280, 1024}, {1920, 1080}, {2048, 1536}, {2320, 1744}, {2592, 1944}};
    const Res eightMp{{640, 480},   {1280, 720},  {1920, 1080}, {2048, 1536},
                      {2592, 1944}, {3264, 1832}, {3264, 2448}};
    const QString microscope = QStringLiteral("Digital Microscope");

    g_supportDevice = {
        {"Kestrel-A", microscope, fiveMp, 1, 0x0223, 0x0C45},
        {"Kestrel-B", microscope, fiveMp, 1, 0x0224, 0x0C45},
        {"Heron-A", microscope, eightMp, 2, 0x0225, 0x0AC8},
        {"Plover-A", microscope, {{640, 480}, {1280, 720}, {1920, 1080}}, 2, 0x62C1, 0x0C45},
        {"Plover-A", microscope, {{320, 240}, {640, 480}, {1280, 1024}}, 2, 0x62C2, 0x0C45},
        {"Plover-A", microscope, {{640, 480}, {1280, 720}, {1920, 1088}}, 2, 0x62C5, 0x0C45},
        {"Wren-A", microscope, {{320, 240}, {640, 480}}, 1, 0x0041, 0x1908},
        {"Wren-B", microscope, {{320, 240}, {640, 480}}, 1, 0x0301, 0x0603},
        {"Wren-C", microscope, {{640, 480}, {1280, 720}}, 1, 0x0302, 0x0603},
        {"Wren-C", microscope, {{320, 240}, {640, 480}, {1280, 720}}, 2, 0x0303, 0x0605},
        {"Wren-D", microscope, {{320, 240}, {640, 480}}, 1, 0x0221, 0x0C45},
        {"Notebook-Cam", QStringLiteral("Integrated Camera"), eightMp, 1, 0x0397, 0x5986},
    };
}

const DeviceProfile *getDeviceInfo(int vendorId, int productId)
{
    for (const DeviceProfile &profile : g_supportDevice) {
        if (profile.productId == productId && profile.vendorId == vendorId)
            return &profile;
    }
    return nullptr;
}

namespace {

/// Exactly four hexadecimal digits, or -1. QString::toInt() would also take blanks, a sign or
/// a "0x" prefix, so ids that only resemble the pattern would match a profile.
int parseHex4(QStringView digits)
{
    if (digits.size() != 4)
        return -1;
    int value = 0;
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        int digit = -1;
        if (u >= '0' && u <= '9')
            digit = u - '0';
        else if (u >= 'a' && u <= 'f')
            digit = u - 'a' + 10;
        else if (u >= 'A' && u <= 'F')
            digit = u - 'A' + 10;
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

const DeviceProfile *getDeviceInfo(const QString &deviceId)
{
    if (deviceId.size() < 8)
        return nullptr;
    const QStringView tail = QStringView(deviceId).right(8);
    const int vendor = parseHex4(tail.left(4));
    const int product = parseHex4(tail.mid(4));
    if (vendor < 0 || product < 0)
        return nullptr;
    return getDeviceInfo(vendor, product);
}

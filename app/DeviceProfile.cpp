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

const DeviceProfile *getDeviceInfo(const QString &deviceId)
{
    if (deviceId.size() < 8)
        return nullptr;
    const QString tail = deviceId.right(8);
    bool vendorOk = false;
    bool productOk = false;
    const int vendor = tail.left(4).toInt(&vendorOk, 16);
    const int product = tail.mid(4).toInt(&productOk, 16);
    if (!vendorOk || !productOk)
        return nullptr;
    return getDeviceInfo(vendor, product);
}

#include "FakeSysfs.h"

#include <QDir>
#include <QFile>

namespace {
bool writeText(const QString &path, const QString &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text.toLatin1() + '\n') > 0;
}
} // namespace

bool FakeSysfs::addVideoNode(const QString &node, const QString &vendor, const QString &product)
{
    const QString usb =
        m_root + QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb1/1-%1").arg(m_port++);
    const QString iface = usb + QStringLiteral("/1-x:1.0");
    const QString nodeDir = iface + QStringLiteral("/video4linux/") + node;
    if (!QDir().mkpath(nodeDir) || !QDir().mkpath(m_root + QStringLiteral("/class/video4linux")))
        return false;
    if (!vendor.isEmpty() && (!writeText(usb + QStringLiteral("/idVendor"), vendor) ||
                              !writeText(usb + QStringLiteral("/idProduct"), product)))
        return false;
    // videoN/device points at the interface; class/video4linux/videoN at the node.
    return QFile::link(QStringLiteral("../.."), nodeDir + QStringLiteral("/device")) &&
           QFile::link(nodeDir, m_root + QStringLiteral("/class/video4linux/") + node);
}

#include "FakeSysfs.h"

#include "app/DeviceProfile.h"
#include "capture/CameraInfo.h"
#include "capture/UsbDeviceIds.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Resolutions = QVector<QPair<int, int>>;

class tst_UsbDeviceIds : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (g_supportDevice.isEmpty())
            initSetting();
        QVERIFY(m_dir.isValid());
        FakeSysfs sysfs(m_dir.path());
        QVERIFY(sysfs.addVideoNode("video0", "0c45", "0223")); // first profile
        QVERIFY(sysfs.addVideoNode("video1", "", ""));         // no USB ancestor
        QVERIFY(sysfs.addVideoNode("video2", "beef", "0001")); // no profile
        QVERIFY(sysfs.addVideoNode("video3", "0AC8", "0225")); // upper case digits
        QVERIFY(sysfs.addVideoNode("video4", "zz45", "0223")); // damaged id file
        // A node whose device link leaves the tree must not be followed outside it.
        QVERIFY(QDir().mkpath(m_dir.path() + "/outside"));
        QFile::link(QDir::rootPath(), m_dir.path() + "/class/video4linux/video5");
    }

    void profileOfDevice_data()
    {
        QTest::addColumn<QString>("deviceId");
        QTest::addColumn<int>("row"); // -1: none

        QTest::newRow("usb camera node") << "/dev/video0" << 0;
        QTest::newRow("platform camera") << "/dev/video1" << -1;
        QTest::newRow("unknown usb camera") << "/dev/video2" << -1;
        QTest::newRow("upper-case id files") << "/dev/video3" << 2;
        QTest::newRow("damaged id file") << "/dev/video4" << -1;
        QTest::newRow("link out of the tree") << "/dev/video5" << -1;
        QTest::newRow("missing node") << "/dev/video9" << -1;
        QTest::newRow("not a node name") << "/dev/videoX" << -1;
        QTest::newRow("hex tail wins over sysfs") << "usb:0c450224" << 1;
        QTest::newRow("hex tail without profile") << "cam02230c45" << -1;
    }

    void profileOfDevice()
    {
        QFETCH(QString, deviceId);
        QFETCH(int, row);
        const DeviceProfile *profile = profileForDevice(deviceId, m_dir.path());
        QCOMPARE(profile, row < 0 ? nullptr : &g_supportDevice.at(row));
    }

    void idsFromSysfs()
    {
        int vendor = 0;
        int product = 0;
        QVERIFY(usbIdsForVideoDevice("/dev/video3", &vendor, &product, m_dir.path()));
        QCOMPARE(vendor, 0x0AC8);
        QCOMPARE(product, 0x0225);
    }

    void filtering_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<QSize>>("offered");
        QTest::addColumn<Resolutions>("expected");

        QTest::newRow("keeps allowed, sorts by pixels")
            << 0 << QList<QSize>{{640, 480}, {1920, 1080}, {1280, 1024}}
            << Resolutions{{1280, 1024}, {1920, 1080}};
        QTest::newRow("none allowed") << 0 << QList<QSize>{{640, 480}, {800, 600}} << Resolutions{};
        QTest::newRow("duplicates dropped")
            << 6 << QList<QSize>{{640, 480}, {320, 240}, {640, 480}, {320, 240}}
            << Resolutions{{320, 240}, {640, 480}};
        QTest::newRow("1920x1088 is not 1920x1080")
            << 5 << QList<QSize>{{1920, 1080}, {1280, 720}} << Resolutions{{1280, 720}};
        QTest::newRow("unsorted camera list")
            << 2 << QList<QSize>{{3264, 2448}, {640, 480}, {1920, 1080}, {1280, 720}}
            << Resolutions{{640, 480}, {1280, 720}, {1920, 1080}, {3264, 2448}};
    }

    void filtering()
    {
        QFETCH(int, row);
        QFETCH(QList<QSize>, offered);
        QFETCH(Resolutions, expected);
        QCOMPARE(usableResolutions(offered, g_supportDevice.at(row)), expected);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_UsbDeviceIds)
#include "tst_usbdeviceids.moc"

#include "app/DeviceProfile.h"
#include "app/Startup.h"

#include <QtTest>

class tst_DeviceProfile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (g_supportDevice.isEmpty())
            initSetting();
    }

    void table()
    {
        QCOMPARE(g_progmaName, QStringLiteral("Lumivex Pro"));
        QCOMPARE(g_supportDevice.size(), 12);
        // Row 6 offers 1920x1088, not 1920x1080.
        QCOMPARE(g_supportDevice.at(5).resolutions.last(), qMakePair(1920, 1088));
        QCOMPARE(g_supportDevice.at(2).defaultResolutionIndex, 2);
        QCOMPARE(g_supportDevice.at(11).description, QStringLiteral("Integrated Camera"));
    }

    void matching_data()
    {
        QTest::addColumn<QString>("deviceId");
        QTest::addColumn<int>("row"); // -1: no profile

        QTest::newRow("row 1 lower case") << "usb#vid_0c45&pid_0223#0c450223" << 0;
        QTest::newRow("row 1 upper case") << "\\\\?\\USB#0C450223" << 0;
        QTest::newRow("row 2") << "0c450224" << 1;
        QTest::newRow("swapped vendor and product") << "02230c45" << -1;
        QTest::newRow("too short") << "c450223" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("not hexadecimal") << "cam-0c45x223" << -1;
        QTest::newRow("unknown device") << "046d0825" << -1;
        QTest::newRow("plover 62c1") << "0c4562c1" << 3;
        QTest::newRow("plover 62c2") << "0c4562c2" << 4;
        QTest::newRow("plover 62c5") << "0c4562c5" << 5;
        QTest::newRow("linux device node") << "/dev/video0" << -1;
        // Each half is exactly four hexadecimal digits: no sign, blank or "0x" prefix.
        QTest::newRow("plus sign in vendor") << "usb+c450223" << -1;
        QTest::newRow("blank in vendor") << "usb c450223" << -1;
        QTest::newRow("0x prefix in product") << "usb19080x41" << -1;
        QTest::newRow("minus sign in product") << "0c45-223" << -1;
        QTest::newRow("trailing blank") << "0c45022 " << -1;
        QTest::newRow("full-width digits") << QString::fromUtf8("0c45\xef\xbc\x90"
                                                                "223")
                                           << -1;
    }

    void matching()
    {
        QFETCH(QString, deviceId);
        QFETCH(int, row);
        const DeviceProfile *profile = getDeviceInfo(deviceId);
        if (row < 0) {
            QVERIFY(!profile);
        } else {
            QCOMPARE(profile, &g_supportDevice.at(row));
        }
    }

    void sameModelDifferentProfiles()
    {
        const DeviceProfile *a = getDeviceInfo(0x0C45, 0x62C1);
        const DeviceProfile *b = getDeviceInfo(0x0C45, 0x62C2);
        QVERIFY(a && b && a != b);
        QCOMPARE(a->modelLabel, b->modelLabel);
        QVERIFY(a->resolutions != b->resolutions);
    }
};

QTEST_GUILESS_MAIN(tst_DeviceProfile)
#include "tst_deviceprofile.moc"

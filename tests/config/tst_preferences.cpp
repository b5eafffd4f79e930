#include "config/Preferences.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtTest>

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QFile::remove(Preferences::filePath()); }

    void defaultsAndRoundTrip()
    {
        QVERIFY(!Preferences::saveResultsWithCaptures());
        QVERIFY(!Preferences::scaleBarEnabled());
        QCOMPARE(Preferences::scaleBarCorner(), Preferences::Corner::BottomRight);
        QVERIFY(!QFile::exists(Preferences::filePath())); // reading writes nothing

        Preferences::setSaveResultsWithCaptures(true);
        Preferences::setScaleBarEnabled(true);
        Preferences::setScaleBarCorner(Preferences::Corner::TopLeft);
        QVERIFY(Preferences::saveResultsWithCaptures());
        QVERIFY(Preferences::scaleBarEnabled());
        QCOMPARE(Preferences::scaleBarCorner(), Preferences::Corner::TopLeft);
        QVERIFY(readFile(Preferences::filePath()).contains("[scalebar]"));
    }

    void damagedValuesGiveDefaults_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("garbage") << QByteArray("\x00\xff[[[=\n\x01", 8);
        QTest::newRow("wrong types") << QByteArray("[results]\nsaveWithCaptures=maybe\n"
                                                   "[scalebar]\nenabled=2\ncorner=7\n");
        QTest::newRow("corner below range") << QByteArray("[scalebar]\ncorner=-1\n");
        QTest::newRow("corner not a number") << QByteArray("[scalebar]\ncorner=left\n");
    }
    void damagedValuesGiveDefaults()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(QDir().mkpath(QFileInfo(Preferences::filePath()).path()));
        QVERIFY(writeFile(Preferences::filePath(), bytes));
        QVERIFY(!Preferences::saveResultsWithCaptures());
        QVERIFY(!Preferences::scaleBarEnabled());
        QCOMPARE(Preferences::scaleBarCorner(), Preferences::Corner::BottomRight);
        QCOMPARE(readFile(Preferences::filePath()),
                 bytes); // left alone until a preference is changed
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"

#include "app/DeviceProfile.h"
#include "app/LiveView.h"

#include <QtTest>

using Resolutions = QVector<QPair<int, int>>;
Q_DECLARE_METATYPE(Resolutions)

class tst_LiveView : public QObject
{
    Q_OBJECT

private slots:
    void fourViewGeometry_data()
    {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QList<QRect>>("tiles");
        QTest::newRow("1000x700") << QSize(1000, 700)
                                  << QList<QRect>{{0, 0, 498, 348},
                                                  {501, 0, 498, 348},
                                                  {0, 351, 498, 348},
                                                  {501, 351, 498, 348}};
        // Odd sizes: the division truncates, the last pixel column/row stays empty.
        QTest::newRow("1001x702") << QSize(1001, 702)
                                  << QList<QRect>{{0, 0, 499, 349},
                                                  {502, 0, 499, 349},
                                                  {0, 352, 499, 349},
                                                  {502, 352, 499, 349}};
    }

    void fourViewGeometry()
    {
        QFETCH(QSize, page);
        QFETCH(QList<QRect>, tiles);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(fourViewRect(page, i), tiles.at(i));
    }

    void zoomTable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("factor");
        QTest::addColumn<bool>("fit");
        QTest::newRow("Scale") << "Scale" << 1.0 << true;
        QTest::newRow("0.5x") << "0.5x" << 0.5 << false;
        QTest::newRow("1.0x") << "1.0x" << 1.0 << false;
        QTest::newRow("2.0x") << "2.0x" << 2.0 << false;
        QTest::newRow("2.5x") << "2.5x" << 2.5 << false;
        QTest::newRow("4.0x") << "4.0x" << 4.0 << false;
        QTest::newRow("5.0x") << "5.0x" << 5.0 << false;
        QTest::newRow("10.0x") << "10.0x" << 10.0 << false;
        QTest::newRow("unknown") << "3x" << 1.0 << false;
        QTest::newRow("empty") << "" << 1.0 << false;
        QTest::newRow("translated Scale") << "Fit" << 1.0 << false;
    }

    void zoomTable()
    {
        QFETCH(QString, text);
        QTEST(zoomFactor(text), "factor");
        QTEST(isFitZoom(text), "fit");
    }

    void viewSize_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("1:1") << QSize(1920, 1080) << 1.0 << QSize(1920, 1080);
        QTest::newRow("half of odd sizes rounds up") << QSize(641, 479) << 0.5 << QSize(321, 240);
        QTest::newRow("2.5x") << QSize(1281, 1023) << 2.5 << QSize(3203, 2558);
        QTest::newRow("10x") << QSize(3264, 2448) << 10.0 << QSize(32640, 24480);
    }

    void viewSize()
    {
        QFETCH(QSize, picture);
        QFETCH(double, factor);
        QTEST(zoomedViewSize(picture, factor), "expected");
    }

    void fit_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("wide picture, tall page")
            << QSize(1920, 1080) << QSize(1000, 800) << QSize(1000, 562);
        QTest::newRow("tall page limits height")
            << QSize(640, 480) << QSize(1000, 300) << QSize(400, 300);
        QTest::newRow("no page") << QSize(640, 480) << QSize(0, 0) << QSize(0, 0);
    }

    void fit()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, page);
        QTEST(fitViewSize(picture, page), "expected");
    }

    void resolutionTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QSize>("size");
        QTest::newRow("box text") << "1920 x 1080" << true << QSize(1920, 1080);
        QTest::newRow("no blanks") << "640x480" << true << QSize(640, 480);
        QTest::newRow("doubled separator") << "640 xx 480" << true << QSize(640, 480);
        QTest::newRow("empty") << "" << false << QSize();
        QTest::newRow("one part") << "1920 x" << false << QSize();
        QTest::newRow("three parts") << "1 x 2 x 3" << false << QSize();
        QTest::newRow("not a number") << "a x 480" << false << QSize();
        QTest::newRow("zero") << "0 x 480" << false << QSize();
    }

    void resolutionTexts()
    {
        QFETCH(QString, text);
        QFETCH(QSize, size);
        int width = -7;
        int height = -7;
        QTEST(parseResolution(text, &width, &height), "ok");
        if (size.isValid())
            QCOMPARE(QSize(width, height), size);
        else
            QCOMPARE(QSize(width, height), QSize(-7, -7)); // untouched on failure
    }

    void resolutionTextRoundTrip()
    {
        int width = 0;
        int height = 0;
        QCOMPARE(resolutionText(3264, 2448), QStringLiteral("3264 x 2448"));
        QVERIFY(parseResolution(resolutionText(3264, 2448), &width, &height));
        QCOMPARE(QSize(width, height), QSize(3264, 2448));
    }

    void startResolution_data()
    {
        QTest::addColumn<Resolutions>("offered");
        QTest::addColumn<int>("defaultIndex");
        QTest::addColumn<bool>("withProfile");
        QTest::addColumn<int>("expected");
        const Resolutions kestrel{{1280, 1024}, {1920, 1080}, {2048, 1536}};
        QTest::newRow("default in range") << kestrel << 1 << true << 1;
        // The profile means 2048x1536; the camera offers two sizes, neither is it.
        QTest::newRow("beyond the list: closest in pixels")
            << Resolutions{{1920, 1080}, {3264, 2448}} << 2 << true << 0;
        QTest::newRow("beyond the list: exact size offered")
            << Resolutions{{1920, 1080}} << 1 << true << 0;
        QTest::newRow("beyond the profile too: largest")
            << Resolutions{{1280, 1024}} << 9 << true << 0;
        QTest::newRow("no profile: largest")
            << Resolutions{{640, 480}, {1280, 720}} << 5 << false << 1;
        QTest::newRow("nothing offered") << Resolutions{} << 0 << true << -1;
    }

    void startResolution()
    {
        QFETCH(Resolutions, offered);
        QFETCH(int, defaultIndex);
        QFETCH(bool, withProfile);
        DeviceProfile profile;
        profile.resolutions = {{1280, 1024}, {1920, 1080}, {2048, 1536}, {2592, 1944}};
        QTEST(startResolutionIndex(offered, defaultIndex, withProfile ? &profile : nullptr),
              "expected");
    }

    void rate_data()
    {
        QTest::addColumn<QVector<qint64>>("times");
        QTest::addColumn<double>("expected");
        QTest::newRow("none") << QVector<qint64>{} << 0.0;
        QTest::newRow("two frames") << QVector<qint64>{1000, 1033} << 0.0;
        QTest::newRow("three frames") << QVector<qint64>{1000, 1050, 1100} << 30.0;
        QTest::newRow("same millisecond") << QVector<qint64>{5, 5, 5} << 0.0;
    }

    void rate()
    {
        QFETCH(QVector<qint64>, times);
        QTEST(frameRate(times), "expected");
    }

    void blackWhiteKeepsTheFrameLayout()
    {
        QImage frame(4, 2, QImage::Format_RGB32);
        frame.fill(qRgb(200, 100, 50));
        frame.setPixel(3, 1, qRgb(10, 250, 30));

        const QImage colour = liveFramePicture(frame, false);
        QCOMPARE(colour, frame);

        // Grey, but the same size and format: the scene keeps its measurements.
        const QImage grey = liveFramePicture(frame, true);
        QCOMPARE(grey.format(), QImage::Format_RGB32);
        QCOMPARE(grey.size(), frame.size());
        QCOMPARE(grey.sizeInBytes(), frame.sizeInBytes());
        const QImage reference = frame.convertToFormat(QImage::Format_Grayscale8);
        for (const QPoint p : {QPoint(0, 0), QPoint(3, 1)}) {
            const int g = qGray(reference.pixel(p));
            QCOMPARE(grey.pixel(p), qRgb(g, g, g));
        }
    }
};

QTEST_APPLESS_MAIN(tst_LiveView)
#include "tst_liveview.moc"

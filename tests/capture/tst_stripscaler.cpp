#include "JpegTestData.h"

#include "capture/StripScaler.h"
#include "scene/DisplayPicture.h"

#include <QtTest>

#include <algorithm>

class tst_StripScaler : public QObject
{
    Q_OBJECT

private slots:
    // Fed a strip at a time, as a decode places rows, the scaler gives the very pixels the
    // view makes of the whole picture: halvings, the filtered step and its darkening undone.
    void stripsGiveTheWholePicturesPixels_data()
    {
        QTest::addColumn<QSize>("from");
        QTest::addColumn<QSize>("to");
        QTest::addColumn<int>("strip");
        QTest::newRow("1080p fitted") << QSize(1920, 1080) << QSize(1142, 642) << 16;
        QTest::newRow("8 MP fitted") << QSize(3264, 2448) << QSize(1069, 802) << 16;
        QTest::newRow("8 MP, 8-row strips") << QSize(3264, 2448) << QSize(1069, 802) << 8;
        QTest::newRow("exact half") << QSize(640, 480) << QSize(320, 240) << 16;
        QTest::newRow("two halvings") << QSize(640, 480) << QSize(160, 120) << 16;
        QTest::newRow("halvings then filter") << QSize(2592, 1944) << QSize(500, 371) << 16;
        QTest::newRow("two halvings, filter") << QSize(3264, 2448) << QSize(400, 300) << 16;
        QTest::newRow("odd sizes, odd strips") << QSize(641, 479) << QSize(301, 203) << 7;
        QTest::newRow("row by row") << QSize(333, 201) << QSize(170, 99) << 1;
        QTest::newRow("a third of the height") << QSize(1920, 1080) << QSize(1000, 360) << 16;
        QTest::newRow("one strip") << QSize(200, 150) << QSize(120, 90) << 150;
        QTest::newRow("to one row") << QSize(64, 48) << QSize(30, 1) << 16;
    }
    void stripsGiveTheWholePicturesPixels()
    {
        QFETCH(QSize, from);
        QFETCH(QSize, to);
        QFETCH(int, strip);
        const QImage picture = JpegTestData::cameraPicture(from.width(), from.height(), 5);
        QImage out(to, QImage::Format_RGB32);
        out.fill(Qt::magenta);
        StripScaler scaler;
        QVERIFY(StripScaler::handles(from, to));
        // Twice: the second frame reuses the first one's halvings.
        for (int frame = 0; frame < 2; ++frame) {
            QVERIFY(scaler.start(from, to, out.bits(), out.bytesPerLine()));
            for (int rows = strip; !scaler.finished(); rows += strip) {
                QVERIFY(rows < from.height() + strip);
                scaler.rowsPlaced(picture.constBits(), picture.bytesPerLine(),
                                  std::min(rows, from.height()));
            }
            QCOMPARE(out, DisplayPicture::scaled(picture, to));
        }
    }

    void leavesOtherSizesToTheView_data()
    {
        QTest::addColumn<QSize>("from");
        QTest::addColumn<QSize>("to");
        QTest::newRow("same size") << QSize(640, 480) << QSize(640, 480);
        QTest::newRow("enlarged") << QSize(640, 480) << QSize(1280, 960);
        QTest::newRow("same width") << QSize(640, 480) << QSize(640, 300);
        QTest::newRow("same width after a halving") << QSize(1000, 800) << QSize(500, 300);
        QTest::newRow("no view") << QSize(640, 480) << QSize();
    }
    void leavesOtherSizesToTheView()
    {
        QFETCH(QSize, from);
        QFETCH(QSize, to);
        QVERIFY(!StripScaler::handles(from, to));
        StripScaler scaler;
        uchar out[16];
        QVERIFY(!scaler.start(from, to, out, 16));
        QVERIFY(!scaler.finished());
    }
};

QTEST_GUILESS_MAIN(tst_StripScaler)
#include "tst_stripscaler.moc"

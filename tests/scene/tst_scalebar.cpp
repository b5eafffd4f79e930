#include "calibration/BDInfo.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"
#include "scene/ScaleBar.h"

#include <QtTest>

namespace {

BDInfo bd(double ratio, int unit)
{
    BDInfo info;
    info.ratio = ratio;
    info.unit = unit;
    return info;
}

// White pixels in each quadrant of a picture: top-left, top-right, bottom-left, bottom-right.
QVector<int> whiteByQuadrant(const QImage &picture)
{
    QVector<int> count(4);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) == qRgb(255, 255, 255))
                ++count[(y >= picture.height() / 2 ? 2 : 0) + (x >= picture.width() / 2 ? 1 : 0)];
        }
    }
    return count;
}

} // namespace

class tst_ScaleBar : public QObject
{
    Q_OBJECT

private slots:
    void roundLength_data()
    {
        QTest::addColumn<double>("limit");
        QTest::addColumn<double>("length");
        QTest::newRow("exact 100") << 100.0 << 100.0;
        QTest::newRow("160") << 160.0 << 100.0;
        QTest::newRow("199.9") << 199.9 << 100.0;
        QTest::newRow("200") << 200.0 << 200.0;
        QTest::newRow("499") << 499.0 << 200.0;
        QTest::newRow("500") << 500.0 << 500.0;
        QTest::newRow("999") << 999.0 << 500.0;
        QTest::newRow("0.3") << 0.3 << 0.2;
        QTest::newRow("0.07") << 0.07 << 0.05;
        QTest::newRow("1") << 1.0 << 1.0;
        QTest::newRow("zero") << 0.0 << 0.0;
        QTest::newRow("negative") << -5.0 << 0.0;
        QTest::newRow("infinite") << qInf() << 0.0;
    }

    void roundLength()
    {
        QFETCH(double, limit);
        QFETCH(double, length);
        QCOMPARE(ScaleBar::roundLength(limit), length);
    }

    // The virtual microscope shows 800 um across every resolution.
    void forPicture_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("pixels");
        QTest::newRow("800 um on 1920") << 800.0 / 1920 << 2 << 1920 << "100 µm" << 240.0;
        QTest::newRow("800 um on 640") << 800.0 / 640 << 2 << 640 << "100 µm" << 80.0;
        QTest::newRow("zoom 2: 400 um") << 400.0 / 1920 << 2 << 1920 << "50 µm" << 240.0;
        QTest::newRow("mm") << 0.01 << 0 << 1000 << "2 mm" << 200.0;
        QTest::newRow("cm") << 0.003 << 1 << 1000 << "0.5 cm" << 500.0 / 3;
        QTest::newRow("in") << 0.1 << 3 << 640 << "10 in" << 100.0;
        QTest::newRow("px") << 1.0 << 4 << 640 << "" << 0.0;
        QTest::newRow("hidden labels") << 1.0 << -1 << 640 << "" << 0.0;
        QTest::newRow("zero ratio") << 0.0 << 2 << 640 << "" << 0.0;
    }

    void forPicture()
    {
        QFETCH(double, ratio);
        QFETCH(int, unit);
        QFETCH(int, width);
        QFETCH(QString, label);
        QFETCH(double, pixels);
        const ScaleBar bar = ScaleBar::forPicture(bd(ratio, unit), width);
        QCOMPARE(bar.isNull(), label.isEmpty());
        if (!bar.isNull()) {
            QCOMPARE(bar.label(), label);
            QCOMPARE(bar.pixels(), pixels);
        }
    }

    void inCapture_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("corner");
        for (int corner = 0; corner < 4; ++corner)
            QTest::addRow("corner %d", corner) << true << 2 << corner;
        QTest::newRow("off") << false << 2 << 3;
        QTest::newRow("px") << true << 4 << 3;
    }

    // In a capture at picture size, and on screen in a view half that size.
    void inCapture()
    {
        QFETCH(bool, on);
        QFETCH(int, unit);
        QFETCH(int, corner);
        CameraViewer view;
        view.resize(400, 300);
        view.show();
        CameraScene &scene = *view.scene();
        QImage black(800, 600, QImage::Format_RGB32);
        black.fill(Qt::black);
        scene.setBaseImage(black);
        scene.updateCameraViewSize(black.size());
        scene.setBDInfo(bd(1.0, unit));
        scene.showScaleBar(on, Preferences::Corner(corner));
        for (const QImage &shown : {scene.renderImage(), view.viewport()->grab().toImage()}) {
            const QVector<int> white = whiteByQuadrant(shown);
            for (int quadrant = 0; quadrant < 4; ++quadrant) {
                if (on && unit == 2 && quadrant == corner)
                    QVERIFY(white.at(quadrant) >= 50 * 2);
                else
                    QCOMPARE(white.at(quadrant), 0);
            }
        }
        QCOMPARE(scene.renderImage(false), black);
    }
};

QTEST_MAIN(tst_ScaleBar)
#include "tst_scalebar.moc"

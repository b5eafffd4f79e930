#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"
#include "scene/DisplayPicture.h"

#include <QtTest>

#include <algorithm>
#include <cstdlib>

namespace {

// A stage micrometer in miniature: one-pixel black lines every 5 columns on white.
QImage finelines(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; x += 5)
            line[x] = qRgb(0, 0, 0);
    }
    return img;
}

// Darkest and lightest green value inside the picture (borders excluded, where the filter
// reaches past the edge).
std::pair<int, int> greenRange(const QImage &img)
{
    int lo = 255;
    int hi = 0;
    for (int y = 2; y < img.height() - 2; ++y) {
        for (int x = 2; x < img.width() - 2; ++x) {
            const int g = qGreen(img.pixel(x, y));
            lo = std::min(lo, g);
            hi = std::max(hi, g);
        }
    }
    return {lo, hi};
}

} // namespace

class tst_DisplayPicture : public QObject
{
    Q_OBJECT

private slots:
    void fineLinesStayVisible_data()
    {
        QTest::addColumn<QSize>("target");
        QTest::newRow("1/3.2") << QSize(300, 225);
        QTest::newRow("1/2 exactly") << QSize(480, 360);
        QTest::newRow("1/4 exactly") << QSize(240, 180);
        QTest::newRow("1/7.1") << QSize(135, 101);
    }

    void fineLinesStayVisible()
    {
        QFETCH(QSize, target);
        const QImage picture = finelines(960, 720);
        // Sampling single pixels shows some lines at full black and skips others, and which
        // ones changes as the picture moves: the shimmer. Averaged, no output pixel is a whole
        // line: each is a share of the lines it covers.
        const auto nearest = greenRange(picture.scaled(target, Qt::IgnoreAspectRatio));
        QVERIFY(nearest.first < 50);

        const QImage scaled = DisplayPicture::scaled(picture, target);
        QCOMPARE(scaled.size(), target);
        QCOMPARE(scaled.format(), picture.format());
        const auto filtered = greenRange(scaled);
        QVERIFY2(filtered.first >= 100,
                 qPrintable(QStringLiteral("%1..%2").arg(filtered.first).arg(filtered.second)));
    }

    void mildShrinkKeepsEveryLine()
    {
        // Below a factor of 2 every line still darkens the output columns it falls between
        // (nearest-pixel sampling skips some lines altogether).
        const QImage picture = finelines(960, 40);
        const double f = 1.6;
        const QImage scaled = DisplayPicture::scaled(picture, QSize(600, 25));
        for (int c = 5; c < 950; c += 5) {
            const int x = int((c + 0.5) / f - 0.5);
            int darkest = 255;
            for (int i = std::max(0, x - 1); i <= std::min(599, x + 2); ++i)
                darkest = std::min(darkest, qGreen(scaled.pixel(i, 10)));
            QVERIFY2(darkest < 200, qPrintable(QStringLiteral("line at %1").arg(c)));
        }
    }

    void flatColoursStayExact_data()
    {
        QTest::addColumn<QSize>("target");
        QTest::newRow("shrink 1.6") << QSize(600, 450);
        QTest::newRow("shrink 3.2") << QSize(300, 225);
        QTest::newRow("enlarge 1.25") << QSize(1200, 900);
        QTest::newRow("wider, lower") << QSize(1200, 400);
        QTest::newRow("odd sizes") << QSize(317, 239);
    }

    void flatColoursStayExact()
    {
        // The view must not darken or tint the picture: black, white, mid grey and pure
        // colours stay exact, any other flat colour within one level.
        QFETCH(QSize, target);
        for (QRgb colour : {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128),
                            qRgb(255, 0, 0), qRgb(17, 200, 99), qRgb(254, 253, 1)}) {
            QImage picture(960, 720, QImage::Format_RGB32);
            picture.fill(colour);
            const QImage scaled = DisplayPicture::scaled(picture, target);
            const bool exact = colour != qRgb(17, 200, 99) && colour != qRgb(254, 253, 1);
            for (QPoint p : {QPoint(0, 0), QPoint(target.width() / 2, target.height() / 3),
                             QPoint(target.width() - 1, target.height() - 1)}) {
                const QRgb got = scaled.pixel(p);
                if (exact)
                    QCOMPARE(QColor(got), QColor(colour));
                QVERIFY(std::abs(qRed(got) - qRed(colour)) <= 1);
                QVERIFY(std::abs(qGreen(got) - qGreen(colour)) <= 1);
                QVERIFY(std::abs(qBlue(got) - qBlue(colour)) <= 1);
            }
        }
    }

    void wanted()
    {
        const QImage picture(640, 480, QImage::Format_RGB32);
        QVERIFY(DisplayPicture::wanted(picture, QSize(320, 240)));
        QVERIFY(DisplayPicture::wanted(picture, QSize(1280, 960)));
        QVERIFY(!DisplayPicture::wanted(picture, QSize(640, 480)));
        QVERIFY(!DisplayPicture::wanted(picture, QSize()));
        QVERIFY(!DisplayPicture::wanted(QImage(), QSize(320, 240)));
        // Deep zoom: the painter scales only what is visible.
        QVERIFY(!DisplayPicture::wanted(picture, QSize(6400, 4800)));
        QVERIFY(!DisplayPicture::wanted(picture.convertToFormat(QImage::Format_Grayscale8),
                                        QSize(320, 240)));
        QVERIFY(DisplayPicture::wanted(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                                       QSize(320, 240)));
    }

    void scaledOncePerFrame()
    {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(qRgb(10, 20, 30));
        DisplayPicture display;
        const QImage &first = display.image(picture, QSize(32, 24));
        QCOMPARE(first.pixel(5, 5), qRgb(10, 20, 30));
        const uchar *bits = first.constBits();

        // Repaints of the same frame reuse the scaled copy.
        picture.fill(qRgb(200, 100, 0));
        QCOMPARE(display.image(picture, QSize(32, 24)).pixel(5, 5), qRgb(10, 20, 30));
        QCOMPARE(display.image(picture, QSize(32, 24)).constBits(), bits);
        // A new frame or another view size scales again.
        display.invalidate();
        QCOMPARE(display.image(picture, QSize(32, 24)).pixel(5, 5), qRgb(200, 100, 0));
        picture.fill(qRgb(1, 2, 3));
        QCOMPARE(display.image(picture, QSize(16, 12)).pixel(5, 5), qRgb(1, 2, 3));
    }

    void preparedPictureOfTheViewsSizeIsShownAsItIs()
    {
        const QImage picture = finelines(400, 300);
        const QImage prepared = DisplayPicture::scaled(picture, QSize(130, 98));
        // Shown as it is; a later frame at another size is scaled into memory of the display's
        // own, never into the prepared picture.
        DisplayPicture display;
        const QImage readOnly(prepared.constBits(), 130, 98, prepared.bytesPerLine(),
                              prepared.format());
        QCOMPARE(display.image(picture, QSize(130, 98), readOnly).constBits(),
                 prepared.constBits());
        display.invalidate();
        const QImage &smaller = display.image(picture, QSize(90, 70), readOnly);
        QVERIFY(smaller.constBits() != prepared.constBits());
        QCOMPARE(prepared, DisplayPicture::scaled(picture, QSize(130, 98)));
        // One of the wrong size is ignored.
        DisplayPicture other;
        QCOMPARE(other.image(picture, QSize(90, 70), QImage(100, 50, QImage::Format_RGB32)),
                 DisplayPicture().image(picture, QSize(90, 70)));
    }

    void fittedViewShowsFilteredPicture()
    {
        // The live view fitted to a third of the picture; rendering for capture keeps every
        // picture pixel.
        CameraViewer view;
        view.resize(320, 240);
        CameraScene *scene = view.scene();
        const QImage picture = finelines(960, 720);
        scene->setBaseImage(picture);
        scene->updateCameraViewSize(picture.size());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const auto shown = greenRange(view.viewport()->grab().toImage());
        QVERIFY2(shown.first >= 100,
                 qPrintable(QStringLiteral("%1..%2").arg(shown.first).arg(shown.second)));
        QCOMPARE(scene->renderImage(), picture);
    }
};

QTEST_MAIN(tst_DisplayPicture)
#include "tst_displaypicture.moc"

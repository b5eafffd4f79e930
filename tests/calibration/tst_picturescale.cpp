#include "Calibrations.h"
#include "calibration/PictureScale.h"
#include "media/CaptureGeometry.h"
#include "media/PictureWriter.h"

#include <QImageReader>
#include <QtEndian>
#include <QtTest>

namespace {

// biXPelsPerMeter of a BMP file: a little-endian int32 after the 14-byte file header and the
// first 24 bytes of the info header.
qint32 bmpPixelsPerMetre(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(42);
    return head.size() < 42 ? -1 : qFromLittleEndian<qint32>(head.constData() + 38);
}

} // namespace

class tst_PictureScale : public QObject
{
    Q_OBJECT

private slots:
    // A capture at a zoom stores the centre crop scaled back: its pixels are smaller.
    void storedScale_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("perMetre");
        QTest::addColumn<bool>("text");
        const int plain = QImage(1, 1, QImage::Format_RGB32).dotsPerMeterX();
        QTest::newRow("png 1x") << QByteArray("png") << 1.0 << 2000000 << true;
        QTest::newRow("png 2x") << QByteArray("png") << 2.0 << 4000000 << true;
        QTest::newRow("bmp 1x") << QByteArray("bmp") << 1.0 << 2000000 << false;
        QTest::newRow("bmp 2x") << QByteArray("bmp") << 2.0 << 4000000 << false;
        // 50800 dots per inch fit the JPEG's 16 bits, 101600 do not.
        QTest::newRow("jpg 1x") << QByteArray("jpg") << 1.0 << 2000000 << true;
        QTest::newRow("jpg 2x") << QByteArray("jpg") << 2.0 << plain << true;
    }

    void storedScale()
    {
        QFETCH(QByteArray, format);
        QFETCH(double, zoom);
        QFETCH(int, perMetre);
        QFETCH(bool, text);
        QImage source(640, 480, QImage::Format_RGB32);
        source.fill(Qt::darkGray);
        QImage stored = cropToZoom(source, zoom);
        const double span = capturePixelSpan(source.size(), zoom);
        const auto scale =
            PictureScale::fromCalibration(bd(QStringLiteral("放大 40.00X"), 0.5, 2), span);
        QVERIFY(scale);
        scale->applyTo(stored);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.") + format);
        QVERIFY(writePictureFile(stored, path));

        QImageReader reader(path);
        const QImage read = reader.read();
        QVERIFY(!read.isNull());
        // JPEG keeps whole dots per inch: a metre is near, not exact.
        QVERIFY2(qAbs(read.dotsPerMeterX() - perMetre) <= 20,
                 qPrintable(QString::number(read.dotsPerMeterX())));
        QVERIFY(qAbs(read.dotsPerMeterY() - perMetre) <= 20);
        if (format == "bmp")
            QCOMPARE(bmpPixelsPerMetre(path), perMetre);
        const auto back = PictureScale::read(read);
        QCOMPARE(bool(back), text);
        if (text) {
            QCOMPARE(back->calibration().ratio, 0.5 / zoom);
            QCOMPARE(back->calibration().unit, 2);
            QCOMPARE(back->calibration().name, QStringLiteral("放大 40.00X"));
            QCOMPARE(back->metresPerPixel(), 0.5e-6 / zoom);
        }
    }

    void record()
    {
        const auto scale = PictureScale::fromCalibration(bd(QStringLiteral("10X"), 0.5, 2));
        QCOMPARE(scale->record(), QStringLiteral("{\"version\":1,\"name\":\"10X\",\"unitPerPixel\":"
                                                 "0.5,\"unit\":\"um\",\"metresPerPixel\":5e-07}"));
        QVERIFY(!PictureScale::fromCalibration(bd(QStringLiteral("px"), 0.5, 4)));
        QVERIFY(!PictureScale::fromCalibration(BDInfo()));
        QVERIFY(!PictureScale::fromCalibration(bd(QStringLiteral("0"), 0.0, 0)));
        QCOMPARE(PictureScale::fromCalibration(bd(QString(), 1.0, 3))->metresPerPixel(), 0.0254);
    }

    void damagedRecord_data()
    {
        QTest::addColumn<QString>("record");
        const QString good = QStringLiteral("\"name\":\"a\",\"unitPerPixel\":0.5,\"unit\":\"mm\","
                                            "\"metresPerPixel\":0.0005");
        QTest::newRow("empty") << QString();
        QTest::newRow("cut") << QStringLiteral("{\"version\":1,\"name\":\"a\",\"unitPer");
        QTest::newRow("array") << QStringLiteral("[1]");
        QTest::newRow("version 2") << QStringLiteral("{\"version\":2,%1}").arg(good);
        QTest::newRow("no version") << QStringLiteral("{%1}").arg(good);
        QTest::newRow("px") << QStringLiteral("{\"version\":1,%1}").arg(good).replace("mm", "px");
        QTest::newRow("zero")
            << QStringLiteral("{\"version\":1,%1}").arg(good).replace("0.5,", "0,");
        QTest::newRow("negative")
            << QStringLiteral("{\"version\":1,%1}").arg(good).replace("0.5,", "-0.5,");
        QTest::newRow("huge")
            << QStringLiteral("{\"version\":1,%1}").arg(good).replace("0.5,", "1e999,");
        QTest::newRow("text ratio")
            << QStringLiteral("{\"version\":1,%1}").arg(good).replace("0.5,", "\"0.5\",");
        QTest::newRow("no name")
            << QStringLiteral("{\"version\":1,%1}").arg(good).replace("\"name\":\"a\",", "");
    }

    void damagedRecord()
    {
        QFETCH(QString, record);
        QString error;
        QVERIFY(!PictureScale::fromRecord(record, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(tst_PictureScale)
#include "tst_picturescale.moc"

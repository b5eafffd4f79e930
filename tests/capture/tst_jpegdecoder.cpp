#include "JpegTestData.h"

#include "capture/JpegDecoder.h"

#include <QBuffer>
#include <QtTest>

#include <turbojpeg.h>

namespace {

QImage fromBytes(const QByteArray &bytes)
{
    return JpegDecoder::decode(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
}

QImage reference(const QByteArray &bytes)
{
    return QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_JpegDecoder : public QObject
{
    Q_OBJECT

private slots:
    void equalsReference_data()
    {
        QTest::addColumn<QByteArray>("jpeg");
        QTest::addColumn<QSize>("size");
        const QImage pic = JpegTestData::cameraPicture(64, 48, 3);
        const QImage odd = JpegTestData::cameraPicture(37, 23, 4);
        QTest::newRow("4:2:0") << JpegTestData::encode(pic, TJSAMP_420) << pic.size();
        QTest::newRow("4:2:2") << JpegTestData::encode(pic, TJSAMP_422) << pic.size();
        QTest::newRow("4:4:4") << JpegTestData::encode(pic, TJSAMP_444) << pic.size();
        QTest::newRow("4:4:0") << JpegTestData::encode(pic, TJSAMP_440) << pic.size();
        QTest::newRow("greyscale") << JpegTestData::encode(pic, TJSAMP_GRAY) << pic.size();
        QTest::newRow("4:2:0 odd size") << JpegTestData::encode(odd, TJSAMP_420) << odd.size();
        QTest::newRow("4:2:2 odd size q100")
            << JpegTestData::encode(odd, TJSAMP_422, 100) << odd.size();
        QTest::newRow("progressive")
            << JpegTestData::encode(pic, TJSAMP_422, 85, true) << pic.size();
        // Refused by the fast path, decoded by the fallback.
        QTest::newRow("cmyk") << JpegTestData::encodeCmyk(pic) << pic.size();
    }

    void equalsReference()
    {
        QFETCH(QByteArray, jpeg);
        QFETCH(QSize, size);
        QVERIFY(!jpeg.isEmpty());
        const QImage ref = reference(jpeg);
        QCOMPARE(ref.size(), size);

        const QImage img = fromBytes(jpeg);
        QCOMPARE(img.format(), QImage::Format_RGB32);
        QCOMPARE(img, ref);
        // The padding byte is 0xff, as in the toolkit's RGB32.
        QCOMPARE(qAlpha(img.pixel(size.width() - 1, size.height() - 1)), 255);

        // Straight into memory, top-down and bottom-up.
        const auto *data = reinterpret_cast<const uchar *>(jpeg.constData());
        for (bool bottomUp : {false, true}) {
            QImage into(size, QImage::Format_RGB32);
            into.fill(0);
            QVERIFY(JpegDecoder::decodeInto(data, jpeg.size(), into.bits(), into.bytesPerLine(),
                                            size.width(), size.height(), bottomUp));
            QCOMPARE(into, bottomUp ? ref.mirrored(false, true) : ref);
        }

        // Strip by strip, each strip handed over once, in picture order.
        QImage strips(size, QImage::Format_RGB32);
        strips.fill(0);
        int next = 0;
        QVERIFY(JpegDecoder::decodeStrips(data, jpeg.size(), size.width(), size.height(),
                                          [&](const uchar *rows, int stride, int first, int count) {
                                              QCOMPARE(first, next);
                                              next = first + count;
                                              for (int i = 0; i < count; ++i)
                                                  memcpy(strips.scanLine(first + i),
                                                         rows + qptrdiff(stride) * i,
                                                         size_t(size.width()) * 4);
                                          }));
        QCOMPARE(next, size.height());
        QCOMPARE(strips, ref);

        // 24-bit strips: the same colours without byte 3.
        next = 0;
        bool same = true;
        QVERIFY(JpegDecoder::decodeStrips(
            data, jpeg.size(), size.width(), size.height(),
            [&](const uchar *rows, int stride, int first, int count) {
                QCOMPARE(first, next);
                next = first + count;
                for (int i = 0; i < count; ++i) {
                    const uchar *r = rows + qptrdiff(stride) * i;
                    const uchar *e = ref.constScanLine(first + i);
                    for (int x = 0; x < size.width(); ++x)
                        same = same && memcmp(r + 3 * x, e + 4 * x, 3) == 0;
                }
            },
            JpegDecoder::Bgr));
        QCOMPARE(next, size.height());
        QVERIFY(same);

        // Straight into memory with a look at each strip as it is written: the rows handed
        // over are the picture's rows where they were stored, already decoded, each once.
        for (bool bottomUp : {false, true}) {
            QImage into(size, QImage::Format_RGB32);
            into.fill(0);
            next = 0;
            same = true;
            QVERIFY(JpegDecoder::decodeInto(
                data, jpeg.size(), into.bits(), into.bytesPerLine(), size.width(), size.height(),
                bottomUp, [&](uchar *rows, int stride, int first, int count) {
                    QCOMPARE(first, next);
                    next = first + count;
                    for (int i = 0; i < count; ++i) {
                        uchar *r = rows + qptrdiff(stride) * i;
                        const int y = first + i;
                        same = same && r == into.scanLine(bottomUp ? size.height() - 1 - y : y) &&
                               memcmp(r, ref.constScanLine(y), size_t(size.width()) * 4) == 0;
                        r[0] = uchar(~r[0]); // what the callback writes stays
                    }
                }));
            QCOMPARE(next, size.height());
            QVERIFY(same);
            QImage expected = bottomUp ? ref.mirrored(false, true) : ref;
            for (int y = 0; y < size.height(); ++y)
                expected.scanLine(y)[0] = uchar(~expected.scanLine(y)[0]);
            QCOMPARE(into, expected);
        }
    }

    void otherPictureFormatsFallBack()
    {
        // Whatever the toolkit reads, the decoder reads too.
        const QImage pic = JpegTestData::cameraPicture(20, 10);
        QByteArray png;
        QBuffer out(&png);
        QVERIFY(pic.save(&out, "PNG"));
        QCOMPARE(fromBytes(png), pic);
        QVERIFY(
            !JpegDecoder::headerSize(reinterpret_cast<const uchar *>(png.constData()), png.size())
                 .isValid());
    }

    void damaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good =
            JpegTestData::encode(JpegTestData::cameraPicture(64, 48), TJSAMP_422);
        QByteArray badFrame = good;
        const int sof = badFrame.indexOf("\xff\xc0");
        QVERIFY(sof > 0);
        badFrame[sof + 5] = 0; // height 0 is invalid
        badFrame[sof + 6] = 0;
        QByteArray badTables = good;
        const int dqt = badTables.indexOf("\xff\xdb");
        badTables[dqt + 4] = char(0x37); // table number 7, precision 3
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a picture") << QByteArray(500, 'x');
        QTest::newRow("header only") << good.left(100);
        QTest::newRow("start marker only") << good.left(2);
        QTest::newRow("zero height") << badFrame;
        QTest::newRow("bad quantisation table") << badTables;
    }

    void damaged()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(reference(bytes).isNull());
        QVERIFY(fromBytes(bytes).isNull());
        QImage into(64, 48, QImage::Format_RGB32);
        QVERIFY(!JpegDecoder::decodeInto(reinterpret_cast<const uchar *>(bytes.constData()),
                                         bytes.size(), into.bits(), into.bytesPerLine(), 64, 48));
    }

    void implausibleSizeRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QImage picture = JpegTestData::cameraPicture(64, 48);
        QTest::newRow("YCbCr") << JpegTestData::encode(picture, TJSAMP_422);
        QTest::newRow("CMYK, toolkit reader") << JpegTestData::encodeCmyk(picture);
    }

    void implausibleSizeRefused()
    {
        // A frame whose damaged header claims 10000 x 10000 pixels must not make us allocate
        // and fill 400 MB (up to 17 GB for 65500 x 65500): no camera sends such a picture.
        QFETCH(QByteArray, bytes);
        const int sof = qMax(bytes.indexOf("\xff\xc0"), bytes.indexOf("\xff\xc2"));
        QVERIFY(sof > 0);
        bytes[sof + 5] = char(0x27); // height 10000
        bytes[sof + 6] = char(0x10);
        bytes[sof + 7] = char(0x27); // width 10000
        bytes[sof + 8] = char(0x10);
        QVERIFY(fromBytes(bytes).isNull());
        QVERIFY(JpegDecoder::decodeReference(reinterpret_cast<const uchar *>(bytes.constData()),
                                             bytes.size())
                    .isNull());
    }

    void truncatedScanLikeReference()
    {
        // A frame cut short by the transfer: the toolkit still shows what arrived, and so do we.
        const QByteArray good =
            JpegTestData::encode(JpegTestData::cameraPicture(64, 48), TJSAMP_422);
        const QByteArray cut = good.left(good.size() * 2 / 3);
        const QImage ref = reference(cut);
        QCOMPARE(fromBytes(cut), ref);
    }

    void sizeMismatchRefused()
    {
        const QByteArray jpeg =
            JpegTestData::encode(JpegTestData::cameraPicture(32, 16), TJSAMP_420);
        const auto *data = reinterpret_cast<const uchar *>(jpeg.constData());
        QCOMPARE(JpegDecoder::headerSize(data, jpeg.size()), QSize(32, 16));
        QImage small(16, 16, QImage::Format_RGB32);
        QVERIFY(!JpegDecoder::decodeInto(data, jpeg.size(), small.bits(), small.bytesPerLine(), 16,
                                         16));
    }
};

QTEST_GUILESS_MAIN(tst_JpegDecoder)
#include "tst_jpegdecoder.moc"

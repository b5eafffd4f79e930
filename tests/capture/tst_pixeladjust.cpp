#include "capture/PixelAdjust.h"
#include "capture/PixelKernels.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

using Pixels = std::vector<quint32>;

// A small asymmetric picture: every pixel differs, byte 3 varies too.
Pixels pattern(int w, int h)
{
    Pixels p(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p[size_t(y) * w + x] =
                quint32((x * 37 + y * 11) & 0xff) | quint32((x * 5 + y * 71 + 3) & 0xff) << 8 |
                quint32((x * 113 + y * 29 + 7) & 0xff) << 16 | quint32((x + 3 * y) & 0xff) << 24;
    return p;
}

uchar *bytes(Pixels &p)
{
    return reinterpret_cast<uchar *>(p.data());
}

const uchar *bytes(const Pixels &p)
{
    return reinterpret_cast<const uchar *>(p.data());
}

// The three steps one after another, as the frame would go through them separately.
Pixels stepwise(const Pixels &src, int w, int h, bool hf, bool vf, int gamma, int bright,
                quint32 stale)
{
    Pixels out(src.size(), stale);
    PixelAdjust::processPixels(bytes(src), bytes(out), w, h, hf, vf);
    PixelAdjust::processGamma(bytes(out), w, h, gamma);
    PixelAdjust::processBright(bytes(out), w, h, bright);
    return out;
}

} // namespace

class tst_PixelAdjust : public QObject
{
    Q_OBJECT

private slots:
    void gammaTable_data()
    {
        QTest::addColumn<int>("gamma");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("expected");
        // Hand-checked values of trunc(255 * (i/255)^e).
        QTest::newRow("0: 64") << 0 << 64 << 127;
        QTest::newRow("0: sqrt of 128") << 0 << 128 << 180;
        QTest::newRow("0: 1") << 0 << 1 << 15;
        QTest::newRow("100: 128") << 100 << 128 << 90;
        QTest::newRow("100: 200") << 100 << 200 << 177;
        QTest::newRow("75: 100") << 75 << 100 << 79;
        QTest::newRow("25: 100") << 25 << 100 << 126;
        for (int g : {0, 1, 25, 49, 51, 75, 100}) {
            QTest::addRow("%d: entry 0", g) << g << 0 << 0;
            QTest::addRow("%d: entry 255", g) << g << 255 << 255;
        }
    }

    void gammaTable()
    {
        QFETCH(int, gamma);
        QFETCH(int, index);
        QFETCH(int, expected);
        QCOMPARE(int(PixelAdjust::gammaTable(gamma)[size_t(index)]), expected);
    }

    void gammaTableFollowsFormula()
    {
        // Every entry of every setting against the formula in double precision: the single
        // precision steps may only move a value across an integer boundary, never further.
        for (int g = 0; g <= 100; ++g) {
            const PixelAdjust::Table t = PixelAdjust::gammaTable(g);
            const double e = g / 100.0 + 0.5;
            for (int i = 0; i < 256; ++i) {
                const double exact = 255.0 * std::pow(i / 255.0, e);
                QVERIFY2(std::abs(t[size_t(i)] - std::floor(exact)) <= 1.0,
                         qPrintable(QStringLiteral("gamma %1 entry %2").arg(g).arg(i)));
            }
        }
    }

    void brightness_data()
    {
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("100 adds 50") << 100 << 10 << 60;
        QTest::newRow("100 saturates") << 100 << 230 << 255;
        QTest::newRow("100 at 205") << 100 << 205 << 255;
        QTest::newRow("100 at 204") << 100 << 204 << 254;
        QTest::newRow("0 subtracts 50") << 0 << 200 << 150;
        QTest::newRow("0 saturates") << 0 << 30 << 0;
        QTest::newRow("50 keeps 0") << 50 << 0 << 0;
        QTest::newRow("50 keeps 255") << 50 << 255 << 255;
        QTest::newRow("60 at 250") << 60 << 250 << 255;
        QTest::newRow("40 at 5") << 40 << 5 << 0;
    }

    void brightness()
    {
        QFETCH(int, brightness);
        QFETCH(int, value);
        QFETCH(int, expected);
        QCOMPARE(int(PixelAdjust::brightValue(value, brightness)), expected);
        for (int c = 0; c < 256; ++c)
            QCOMPARE(int(PixelAdjust::brightValue(c, brightness)),
                     qBound(0, c + brightness - 50, 255));
    }

    void compositeEqualsSteps()
    {
        // Every gamma, every brightness, every byte value.
        for (int g = 0; g <= 100; ++g) {
            const PixelAdjust::Table gt = PixelAdjust::gammaTable(g);
            for (int b = 0; b <= 100; ++b) {
                const PixelAdjust::Table t = PixelAdjust::composite(g, b);
                for (int i = 0; i < 256; ++i) {
                    int v = g == 50 ? i : gt[size_t(i)];
                    if (b != 50)
                        v = PixelAdjust::brightValue(v, b);
                    if (t[size_t(i)] != v)
                        QFAIL(qPrintable(
                            QStringLiteral("gamma %1 brightness %2 byte %3").arg(g).arg(b).arg(i)));
                }
            }
        }
        QVERIFY(!PixelAdjust(50, 50).hasTable());
        QVERIFY(PixelAdjust(50, 51).hasTable());
    }

    void flips_data()
    {
        QTest::addColumn<bool>("hflip");
        QTest::addColumn<bool>("vflip");
        QTest::newRow("none") << false << false;
        QTest::newRow("horizontal") << true << false;
        QTest::newRow("vertical") << false << true;
        QTest::newRow("both") << true << true;
    }

    void flips()
    {
        QFETCH(bool, hflip);
        QFETCH(bool, vflip);
        const int w = 3;
        const int h = 2;
        // a b c      horizontal: c b a    vertical: d e f    both: f e d
        // d e f                  f e d              a b c          c b a
        const Pixels src{0xff000001, 0xff000002, 0xff000003, 0xff000004, 0xff000005, 0xff000006};
        Pixels expected(6);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                expected[size_t(y * w + x)] =
                    src[size_t((vflip ? h - 1 - y : y) * w + (hflip ? w - 1 - x : x))];

        Pixels out(6, 0);
        PixelAdjust::processPixels(bytes(src), bytes(out), w, h, hflip, vflip);
        if (hflip) {
            // The step-by-step mirror leaves byte 3 of the destination alone.
            for (quint32 &p : expected)
                p &= 0x00ffffff;
        }
        QCOMPARE(out, expected);

        Pixels fused(6, 0);
        PixelAdjust().copy(bytes(src), w * 4, bytes(fused), w * 4, w, h, hflip, vflip);
        for (size_t i = 0; i < 6; ++i)
            QCOMPARE(fused[i] & 0x00ffffff, expected[i] & 0x00ffffff);
        // With both flips the picture is turned by 180 degrees.
        if (hflip && vflip)
            QCOMPARE(fused, Pixels(src.rbegin(), src.rend()));
    }

    void byte3()
    {
        const int w = 21;
        const int h = 3;
        const Pixels src = pattern(w, h);
        // Gamma and brightness never touch byte 3.
        Pixels p = src;
        PixelAdjust::processGamma(bytes(p), w, h, 10);
        PixelAdjust::processBright(bytes(p), w, h, 90);
        for (size_t i = 0; i < p.size(); ++i)
            QCOMPARE(p[i] >> 24, src[i] >> 24);
        // The one-pass copy carries the source's byte 3 with every flip, or makes it opaque.
        for (bool hf : {false, true}) {
            for (bool vf : {false, true}) {
                for (const PixelAdjust &adjust : {PixelAdjust(), PixelAdjust(30, 70)}) {
                    Pixels out(src.size(), 0);
                    adjust.copy(bytes(src), w * 4, bytes(out), w * 4, w, h, hf, vf);
                    Pixels opaque(src.size(), 0);
                    adjust.copy(bytes(src), w * 4, bytes(opaque), w * 4, w, h, hf, vf, true);
                    for (int y = 0; y < h; ++y) {
                        for (int x = 0; x < w; ++x) {
                            const quint32 s =
                                src[size_t((vf ? h - 1 - y : y) * w + (hf ? w - 1 - x : x))];
                            QCOMPARE(out[size_t(y * w + x)] >> 24, s >> 24);
                            QCOMPARE(opaque[size_t(y * w + x)] >> 24, 0xffu);
                        }
                    }
                }
            }
        }
    }

    void onePassEqualsSteps_data()
    {
        QTest::addColumn<int>("gamma");
        QTest::addColumn<int>("brightness");
        QTest::newRow("neutral") << 50 << 50;
        QTest::newRow("gamma 0") << 0 << 50;
        QTest::newRow("gamma 100") << 100 << 50;
        QTest::newRow("brightness 0") << 50 << 0;
        QTest::newRow("brightness 100") << 50 << 100;
        QTest::newRow("both") << 23 << 81;
    }

    void onePassEqualsSteps()
    {
        QFETCH(int, gamma);
        QFETCH(int, brightness);
        const PixelAdjust adjust(gamma, brightness);
        // Every row kernel (one the processor lacks falls back to another); widths below, at
        // and past the vector widths (odd ones have a middle pixel when mirrored); a source
        // stride with padding.
        for (PixelKernels::Kind kind :
             {PixelKernels::Portable, PixelKernels::Avx2, PixelKernels::Avx512Vbmi}) {
            PixelKernels::setForced(kind);
            for (int w : {1, 6, 7, 16, 37, 70, 131}) {
                const int h = 4;
                const Pixels src = pattern(w, h);
                Pixels padded(size_t(w + 2) * h, 0xdeadbeef);
                for (int y = 0; y < h; ++y)
                    std::copy_n(src.begin() + y * w, w, padded.begin() + y * (w + 2));
                for (bool hf : {false, true}) {
                    for (bool vf : {false, true}) {
                        const Pixels expected = stepwise(src, w, h, hf, vf, gamma, brightness, 0);
                        Pixels out(src.size(), 0);
                        adjust.copy(bytes(padded), (w + 2) * 4, bytes(out), w * 4, w, h, hf, vf);
                        for (size_t i = 0; i < out.size(); ++i)
                            QCOMPARE(out[i] & 0x00ffffff, expected[i] & 0x00ffffff);

                        // From 24-bit rows (with padding): the same colours, byte 3 0xff.
                        const int stride24 = w * 3 + 5;
                        std::vector<uchar> src24(size_t(stride24) * h, 0xab);
                        for (int y = 0; y < h; ++y)
                            for (int x = 0; x < w; ++x)
                                memcpy(&src24[size_t(y) * stride24 + size_t(x) * 3],
                                       &src[size_t(y) * w + x], 3);
                        Pixels from24(src.size(), 0);
                        adjust.copyFrom24(src24.data(), stride24, bytes(from24), w * 4, w, h, hf,
                                          vf);
                        for (size_t i = 0; i < out.size(); ++i)
                            QCOMPARE(from24[i], expected[i] | 0xff000000u);

                        // In place (vertical order is the decoder's job there), rows also
                        // stored bottom-up (a negative stride), and with byte 3 already 0xff.
                        if (vf)
                            continue;
                        Pixels inPlace = src;
                        adjust.applyInPlace(bytes(inPlace), w * 4, w, h, hf);
                        for (size_t i = 0; i < out.size(); ++i)
                            QCOMPARE(inPlace[i] & 0x00ffffff, expected[i] & 0x00ffffff);
                        Pixels upward = src;
                        for (quint32 &p : upward)
                            p |= 0xff000000u;
                        adjust.applyInPlace(bytes(upward) + qptrdiff(h - 1) * w * 4, -w * 4, w, h,
                                            hf, true);
                        for (size_t i = 0; i < out.size(); ++i)
                            QCOMPARE(upward[i], expected[i] | 0xff000000u);
                    }
                }
            }
        }
        PixelKernels::setForced(PixelKernels::Best);
    }
};

QTEST_APPLESS_MAIN(tst_PixelAdjust)
#include "tst_pixeladjust.moc"

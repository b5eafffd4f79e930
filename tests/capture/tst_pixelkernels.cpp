#include "capture/PixelAdjust.h"
#include "capture/PixelKernels.h"

#include <QtTest>

#include <cstring>
#include <vector>

Q_DECLARE_METATYPE(PixelKernels::Kind)

namespace {

using Bytes = std::vector<uchar>;

// Every byte value turns up in every position of a pixel, byte 3 included.
Bytes pattern(int pixels, int seed)
{
    Bytes b(size_t(pixels) * 4);
    for (size_t i = 0; i < b.size(); ++i)
        b[i] = uchar((i * 97 + size_t(seed) * 31 + (i >> 5) * 13) & 0xff);
    return b;
}

// The table lookup byte by byte: what every kernel must produce.
Bytes reference(const uchar *src, int w, const uchar *t, bool mirror, quint32 alpha)
{
    Bytes out(size_t(w) * 4);
    for (int x = 0; x < w; ++x) {
        const uchar *s = src + size_t(mirror ? w - 1 - x : x) * 4;
        uchar *d = out.data() + size_t(x) * 4;
        d[0] = t[s[0]];
        d[1] = t[s[1]];
        d[2] = t[s[2]];
        d[3] = uchar(s[3] | (alpha >> 24));
    }
    return out;
}

// Tables that catch a wrong chunk or half: every entry differs from its neighbours' chunks.
std::vector<PixelAdjust::Table> tables()
{
    std::vector<PixelAdjust::Table> list{PixelAdjust::composite(70, 60),
                                         PixelAdjust::composite(0, 100),
                                         PixelAdjust::composite(100, 0)};
    PixelAdjust::Table scrambled{};
    for (int i = 0; i < 256; ++i)
        scrambled[size_t(i)] = uchar((i * 167 + 89) & 0xff);
    list.push_back(scrambled);
    return list;
}

} // namespace

class tst_PixelKernels : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { PixelKernels::setForced(PixelKernels::Best); }

    void kernels_data()
    {
        QTest::addColumn<PixelKernels::Kind>("kind");
        QTest::newRow("portable") << PixelKernels::Portable;
        QTest::newRow("AVX2") << PixelKernels::Avx2;
        QTest::newRow("AVX-512 VBMI") << PixelKernels::Avx512Vbmi;
    }

    void kernels()
    {
        QFETCH(PixelKernels::Kind, kind);
        if (!PixelKernels::available(kind))
            QSKIP("the processor lacks this kernel");
        const PixelKernels::Row row = PixelKernels::row(kind);
        // Widths around both vector widths and their tails; rows starting at every byte offset
        // (strides that are not multiples of 4); in order, mirrored, opaque.
        for (const PixelAdjust::Table &table : tables()) {
            for (int w : {0, 1, 3, 7, 8, 9, 15, 16, 17, 31, 33, 64, 100, 1283}) {
                for (int offset = 0; offset < 4; ++offset) {
                    const Bytes src = pattern(w + 1, w + offset);
                    for (bool mirror : {false, true}) {
                        for (quint32 alpha : {0u, 0xff000000u}) {
                            const uchar *s = src.data() + offset;
                            const Bytes expected = reference(s, w, table.data(), mirror, alpha);
                            Bytes out(size_t(w) * 4 + 8, 0xcd);
                            row(s, out.data() + 3 - offset, w, table.data(), mirror, alpha);
                            const Bytes got(out.begin() + 3 - offset,
                                            out.begin() + 3 - offset + w * 4);
                            if (got != expected)
                                QFAIL(qPrintable(QStringLiteral("w %1 offset %2 mirror %3")
                                                     .arg(w)
                                                     .arg(offset)
                                                     .arg(mirror)));
                            // Nothing written past the row.
                            QCOMPARE(out[size_t(w) * 4 + 3 - offset], uchar(0xcd));

                            if (mirror)
                                continue;
                            // In place.
                            Bytes inPlace(src.begin() + offset, src.begin() + offset + w * 4);
                            row(inPlace.data(), inPlace.data(), w, table.data(), false, alpha);
                            QCOMPARE(inPlace, expected);
                        }
                    }
                }
            }
        }
    }

    void forcing()
    {
        const PixelKernels::Kind best = PixelKernels::active();
        for (PixelKernels::Kind kind :
             {PixelKernels::Portable, PixelKernels::Avx2, PixelKernels::Avx512Vbmi}) {
            PixelKernels::setForced(kind);
            QCOMPARE(PixelKernels::active(), PixelKernels::available(kind) ? kind : best);
        }
        PixelKernels::setForced(PixelKernels::Best);
        QCOMPARE(PixelKernels::active(), best);
        QVERIFY(PixelKernels::available(PixelKernels::Portable));
        // The best kernel is the widest the processor has.
        if (PixelKernels::available(PixelKernels::Avx512Vbmi))
            QCOMPARE(best, PixelKernels::Avx512Vbmi);
        else if (PixelKernels::available(PixelKernels::Avx2))
            QCOMPARE(best, PixelKernels::Avx2);
    }
};

QTEST_APPLESS_MAIN(tst_PixelKernels)
#include "tst_pixelkernels.moc"

#include "capture/PixelAdjust.h"
#include "capture/PixelKernels.h"

#include <QtTest>

#include <cstring>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

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

// The same from 24-bit source pixels: byte 3 of every destination pixel is 0xff.
Bytes reference24(const uchar *src, int w, const uchar *t, bool mirror)
{
    Bytes out(size_t(w) * 4);
    for (int x = 0; x < w; ++x) {
        const uchar *s = src + size_t(mirror ? w - 1 - x : x) * 3;
        uchar *d = out.data() + size_t(x) * 4;
        d[0] = t[s[0]];
        d[1] = t[s[1]];
        d[2] = t[s[2]];
        d[3] = 0xff;
    }
    return out;
}

// Widths around every vector step (4, 16, 32 and 64 pixels) and their tails.
const int kWidths[] = {0,  1,  3,  7,  8,  9,  15, 16,  17,  31,  32,  33,
                       47, 63, 64, 65, 95, 96, 97, 127, 128, 129, 200, 1283};

// Source rows end where an unreadable page begins: a kernel reading past the row crashes.
class GuardedRow
{
public:
    GuardedRow()
    {
        m_page = size_t(sysconf(_SC_PAGESIZE));
        m_size = 2 * m_page + kMax;
        void *p = mmap(nullptr, m_size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        QVERIFY2(p != MAP_FAILED, "mmap");
        m_base = static_cast<uchar *>(p);
        m_end = m_base + m_size - m_page;
        QVERIFY2(mprotect(m_end, m_page, PROT_NONE) == 0, "mprotect");
    }
    ~GuardedRow() { munmap(m_base, m_size); }

    /// A copy of n bytes followed by `slack` readable bytes (varying the start's alignment),
    /// then the unreadable page.
    const uchar *place(const uchar *bytes, size_t n, size_t slack)
    {
        Q_ASSERT(n + slack <= kMax);
        uchar *at = m_end - slack - n;
        if (n) // an empty row's bytes may have no address
            memcpy(at, bytes, n);
        return at;
    }

private:
    static constexpr size_t kMax = 1u << 16;
    size_t m_page = 0;
    size_t m_size = 0;
    uchar *m_base = nullptr;
    uchar *m_end = nullptr;
};

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
        GuardedRow guard;
        // Widths around both vector widths and their tails; rows starting at every byte offset
        // (strides that are not multiples of 4); in order, mirrored, opaque.
        for (const PixelAdjust::Table &table : tables()) {
            for (int w : kWidths) {
                for (int offset = 0; offset < 4; ++offset) {
                    const Bytes src = pattern(w + 1, w + offset);
                    for (bool mirror : {false, true}) {
                        for (quint32 alpha : {0u, 0xff000000u}) {
                            const uchar *s = guard.place(src.data(), size_t(w) * 4, size_t(offset));
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
                            Bytes inPlace(src.begin(), src.begin() + w * 4);
                            row(inPlace.data(), inPlace.data(), w, table.data(), false, alpha);
                            QCOMPARE(inPlace, expected);
                        }
                    }
                }
            }
        }
    }

    void kernels24_data() { kernels_data(); }

    void kernels24()
    {
        QFETCH(PixelKernels::Kind, kind);
        if (!PixelKernels::available(kind))
            QSKIP("the processor lacks this kernel");
        const PixelKernels::RowFrom24 row = PixelKernels::rowFrom24(kind);
        GuardedRow guard;
        // Rows of 24-bit pixels at every byte offset against 32-bit rows at every byte offset;
        // the source is read to its last byte and no further.
        for (const PixelAdjust::Table &table : tables()) {
            for (int w : kWidths) {
                for (int offset = 0; offset < 4; ++offset) {
                    const Bytes pat = pattern(w, w * 3 + offset);
                    const uchar *src = guard.place(pat.data(), size_t(w) * 3, size_t(offset));
                    for (bool mirror : {false, true}) {
                        const Bytes expected = reference24(src, w, table.data(), mirror);
                        const int at = 4 - offset;
                        Bytes out(size_t(w) * 4 + 8, 0xcd);
                        row(src, out.data() + at, w, table.data(), mirror);
                        const Bytes got(out.begin() + at, out.begin() + at + w * 4);
                        if (got != expected)
                            QFAIL(qPrintable(QStringLiteral("w %1 offset %2 mirror %3")
                                                 .arg(w)
                                                 .arg(offset)
                                                 .arg(mirror)));
                        QCOMPARE(out[size_t(at) - 1], uchar(0xcd));
                        QCOMPARE(out[size_t(w) * 4 + at], uchar(0xcd));
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

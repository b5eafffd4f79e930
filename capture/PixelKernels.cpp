#include "capture/PixelKernels.h"

#include <atomic>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define LUMIVEX_X86_KERNELS 1
#include <immintrin.h>
#endif

namespace {

// Pixels are read and written through memcpy: rows may start at any byte.
inline quint32 load32(const uchar *p)
{
    quint32 v;
    memcpy(&v, p, 4);
    return v;
}

inline void store32(uchar *p, quint32 v)
{
    memcpy(p, &v, 4);
}

inline quint32 lookup(const uchar *t, quint32 p)
{
    return quint32(t[p & 0xff]) | quint32(t[(p >> 8) & 0xff]) << 8 |
           quint32(t[(p >> 16) & 0xff]) << 16 | (p & 0xff000000u);
}

/// Destination pixels [from, w) of a row, one at a time; the vector kernels end rows with it.
inline void pixelsFrom(const uchar *src, uchar *dst, int from, int w, const uchar *t, bool mirror,
                       quint32 alpha)
{
    for (int x = from; x < w; ++x)
        store32(dst + qptrdiff(x) * 4,
                lookup(t, load32(src + qptrdiff(mirror ? w - 1 - x : x) * 4)) | alpha);
}

std::atomic<int> g_forced{PixelKernels::Best};

bool cpuHas(PixelKernels::Kind kind)
{
#ifdef LUMIVEX_X86_KERNELS
    static const bool avx2 = __builtin_cpu_supports("avx2");
    static const bool vbmi = __builtin_cpu_supports("avx512f") &&
                             __builtin_cpu_supports("avx512bw") &&
                             __builtin_cpu_supports("avx512vbmi");
    switch (kind) {
    case PixelKernels::Avx2: return avx2;
    case PixelKernels::Avx512Vbmi: return vbmi;
    default: return true;
    }
#else
    return kind == PixelKernels::Portable || kind == PixelKernels::Best;
#endif
}

PixelKernels::Kind bestKind()
{
    if (cpuHas(PixelKernels::Avx512Vbmi))
        return PixelKernels::Avx512Vbmi;
    if (cpuHas(PixelKernels::Avx2))
        return PixelKernels::Avx2;
    return PixelKernels::Portable;
}

} // namespace

bool PixelKernels::available(Kind kind)
{
    return cpuHas(kind);
}

PixelKernels::Kind PixelKernels::active()
{
    const Kind forced = Kind(g_forced.load(std::memory_order_relaxed));
    return forced != Best && cpuHas(forced) ? forced : bestKind();
}

void PixelKernels::setForced(Kind kind)
{
    g_forced.store(kind, std::memory_order_relaxed);
}

PixelKernels::Row PixelKernels::row(Kind kind)
{
    if (kind == Best || !cpuHas(kind))
        kind = active();
    switch (kind) {
    case Avx512Vbmi: return rowAvx512Vbmi;
    case Avx2: return rowAvx2;
    default: return rowPortable;
    }
}

const char *PixelKernels::name(Kind kind)
{
    switch (kind) {
    case Portable: return "portable";
    case Avx2: return "AVX2";
    case Avx512Vbmi: return "AVX-512 VBMI";
    default: return "best";
    }
}

void PixelKernels::rowPortable(const uchar *src, uchar *dst, int w, const uchar *table, bool mirror,
                               quint32 alpha)
{
    // One pixel at a time: a byte-wise loop, a 64 Ki-entry table for two channels, unrolling
    // and blocks of pixels read before they are written all measured the same or slower.
    pixelsFrom(src, dst, 0, w, table, mirror, alpha);
}

#ifdef LUMIVEX_X86_KERNELS

// AVX2 has no byte permute wider than 16 entries: the table is looked up as 16 chunks of 16
// bytes with vpshufb, which yields 0 for index bytes with bit 7 set. Index v - 16c addresses
// chunk c with its low nibble and has bit 7 clear exactly when c <= v / 16 within the half of
// the table v lies in. The chunks are stored as differences of neighbours, so xor-ing the
// lookups of chunks 0..v/16 of a half leaves the entry of chunk v/16. The two 128-bit lanes do
// the two halves of the table for the same 4 pixels, and bit 7 of v picks the lane. Eight table
// registers fit beside the rest; the 32-byte form with 16 did not, and its spills cost as much
// as the lookups.
__attribute__((target("avx2"))) void PixelKernels::rowAvx2(const uchar *src, uchar *dst, int w,
                                                           const uchar *table, bool mirror,
                                                           quint32 alpha)
{
    const auto load = [table](int at) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i *>(table + at));
    };
    __m256i chunk[8];
    for (int c = 0; c < 8; ++c) {
        __m128i low = load(16 * c);
        __m128i high = load(128 + 16 * c);
        if (c > 0) {
            low = _mm_xor_si128(low, load(16 * (c - 1)));
            high = _mm_xor_si128(high, load(128 + 16 * (c - 1)));
        }
        chunk[c] = _mm256_setr_m128i(low, high);
    }
    const __m256i sixteen = _mm256_set1_epi8(16);
    // Lane 1 starts at v - 128: the upper half.
    const __m256i upperHalf =
        _mm256_setr_epi64x(0, 0, qint64(0x8080808080808080ull), qint64(0x8080808080808080ull));
    const __m128i byte3 = _mm_set1_epi32(int(0xff000000u));
    const __m128i a = _mm_set1_epi32(int(alpha));
    int x = 0;
    for (; x + 4 <= w; x += 4) {
        const __m128i v =
            mirror ? _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i *>(
                                           src + qptrdiff(w - 4 - x) * 4)),
                                       0x1b)
                   : _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + qptrdiff(x) * 4));
        __m256i index = _mm256_xor_si256(_mm256_broadcastsi128_si256(v), upperHalf);
        __m256i sum = _mm256_shuffle_epi8(chunk[0], index);
        for (int c = 1; c < 8; ++c) {
            index = _mm256_sub_epi8(index, sixteen);
            sum = _mm256_xor_si256(sum, _mm256_shuffle_epi8(chunk[c], index));
        }
        __m128i r =
            _mm_blendv_epi8(_mm256_castsi256_si128(sum), _mm256_extracti128_si256(sum, 1), v);
        r = _mm_blendv_epi8(r, v, byte3);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + qptrdiff(x) * 4), _mm_or_si128(r, a));
    }
    pixelsFrom(src, dst, x, w, table, mirror, alpha);
}

// A byte permute across four registers looks up 64 bytes of the 256-entry table at once.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void
PixelKernels::rowAvx512Vbmi(const uchar *src, uchar *dst, int w, const uchar *table, bool mirror,
                            quint32 alpha)
{
    const __m512i t0 = _mm512_loadu_si512(table);
    const __m512i t1 = _mm512_loadu_si512(table + 64);
    const __m512i t2 = _mm512_loadu_si512(table + 128);
    const __m512i t3 = _mm512_loadu_si512(table + 192);
    const __m512i a = _mm512_set1_epi32(int(alpha));
    const __m512i reverse = _mm512_set_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const __mmask64 colour = 0x7777777777777777ull; // bytes 0-2 of every pixel
    int x = 0;
    for (; x + 16 <= w; x += 16) {
        // The zero-masking form: the plain one draws an "uninitialised" warning from GCC.
        const __m512i v =
            mirror ? _mm512_maskz_permutexvar_epi32(
                         0xffff, reverse, _mm512_loadu_si512(src + qptrdiff(w - 16 - x) * 4))
                   : _mm512_loadu_si512(src + qptrdiff(x) * 4);
        const __m512i lo = _mm512_permutex2var_epi8(t0, v, t1);
        const __m512i hi = _mm512_permutex2var_epi8(t2, v, t3);
        __m512i r = _mm512_mask_blend_epi8(_mm512_movepi8_mask(v), lo, hi);
        r = _mm512_mask_blend_epi8(colour, v, r);
        _mm512_storeu_si512(dst + qptrdiff(x) * 4, _mm512_or_si512(r, a));
    }
    pixelsFrom(src, dst, x, w, table, mirror, alpha);
}

#else

void PixelKernels::rowAvx2(const uchar *src, uchar *dst, int w, const uchar *table, bool mirror,
                           quint32 alpha)
{
    rowPortable(src, dst, w, table, mirror, alpha);
}

void PixelKernels::rowAvx512Vbmi(const uchar *src, uchar *dst, int w, const uchar *table,
                                 bool mirror, quint32 alpha)
{
    rowPortable(src, dst, w, table, mirror, alpha);
}

#endif

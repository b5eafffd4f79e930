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

/// The same for 24-bit source pixels; byte 3 of the destination is 0xff.
inline void pixelsFrom24(const uchar *src, uchar *dst, int from, int w, const uchar *t, bool mirror)
{
    for (int x = from; x < w; ++x) {
        const uchar *s = src + qptrdiff(mirror ? w - 1 - x : x) * 3;
        store32(dst + qptrdiff(x) * 4,
                quint32(t[s[0]]) | quint32(t[s[1]]) << 8 | quint32(t[s[2]]) << 16 | 0xff000000u);
    }
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

PixelKernels::RowFrom24 PixelKernels::rowFrom24(Kind kind)
{
    if (kind == Best || !cpuHas(kind))
        kind = active();
    switch (kind) {
    case Avx512Vbmi: return rowAvx512VbmiFrom24;
    case Avx2: return rowAvx2From24;
    default: return rowPortableFrom24;
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

void PixelKernels::rowPortableFrom24(const uchar *src, uchar *dst, int w, const uchar *table,
                                     bool mirror)
{
    pixelsFrom24(src, dst, 0, w, table, mirror);
}

#ifdef LUMIVEX_X86_KERNELS

// AVX2 has no byte permute wider than 16 entries: the table is looked up as 16 chunks of 16
// bytes with vpshufb, which yields 0 for index bytes with bit 7 set. Chunks 0-7 hold the lower
// half of the table, 8-15 the upper. Index (v & 0x7f) - 16c keeps the low nibble of v and has
// bit 7 clear exactly when c <= (v & 0x7f) / 16; the chunks of each half are stored as
// differences of neighbours, so xor-ing the lookups of a half leaves its entry, and bit 7 of
// v picks the half. The index serves both halves: 16 shuffles, 7 subtractions, 14 xors and a
// blend per 32 bytes, the same for every byte, so only colour bytes are looked up: 32 pixels'
// 96 colour bytes fill three registers.
namespace {

struct Avx2Table
{
    __m256i chunk[16];
};

__attribute__((target("avx2"))) Avx2Table avx2Table(const uchar *table)
{
    Avx2Table t;
    for (int c = 0; c < 16; ++c) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(table + 16 * c));
        if (c % 8 > 0)
            v = _mm_xor_si128(
                v, _mm_loadu_si128(reinterpret_cast<const __m128i *>(table + 16 * (c - 1))));
        t.chunk[c] = _mm256_broadcastsi128_si256(v);
    }
    return t;
}

/// Looks up every byte of v. One register at a time leaves the compiler registers enough;
/// three interleaved (sharing each chunk's load) spilled and measured slower.
__attribute__((target("avx2"), always_inline)) inline __m256i lookup1(const Avx2Table &t, __m256i v)
{
    const __m256i sixteen = _mm256_set1_epi8(16);
    __m256i i = _mm256_and_si256(v, _mm256_set1_epi8(0x7f));
    __m256i l = _mm256_shuffle_epi8(t.chunk[0], i), h = _mm256_shuffle_epi8(t.chunk[8], i);
    // Unrolled at every optimisation level: -O2 kept the loop, a fifth slower.
#pragma GCC unroll 8
    for (int k = 1; k < 8; ++k) {
        i = _mm256_sub_epi8(i, sixteen);
        l = _mm256_xor_si256(l, _mm256_shuffle_epi8(t.chunk[k], i));
        h = _mm256_xor_si256(h, _mm256_shuffle_epi8(t.chunk[8 + k], i));
        // Keeps the compiler from regrouping the xors after all the shuffles, which needs a
        // register per shuffle and spills them: a third slower.
        __asm__("" : "+x"(l), "+x"(h));
    }
    return _mm256_blendv_epi8(l, h, v);
}

__attribute__((target("avx2"), always_inline)) inline void lookup3(const Avx2Table &t, __m256i &a,
                                                                   __m256i &b, __m256i &c)
{
    a = lookup1(t, a);
    b = lookup1(t, b);
    c = lookup1(t, c);
}

/// Byte-shuffle masks, the same for both lanes, for the 32-bit form: the fourth register's
/// lane byte i (pixel i / 3, channel i % 3) travels in register i / 4, slot i % 4 (byte 3 of
/// pixel i % 4). `spread` puts it there, `gather` brings it back; -128 gives a zero byte.
struct SlotMasks
{
    alignas(32) char spread[3][32];
    alignas(32) char gather[3][32];
};

constexpr SlotMasks slotMasks()
{
    SlotMasks m{};
    for (int r = 0; r < 3; ++r) {
        for (int b = 0; b < 32; ++b)
            m.spread[r][b] = m.gather[r][b] = -128;
        for (int slot = 0; slot < 4; ++slot) {
            const int i = 4 * r + slot;
            for (int lane = 0; lane < 32; lane += 16) {
                m.spread[r][lane + 4 * slot + 3] = char(4 * (i / 3) + i % 3);
                m.gather[r][lane + 4 * (i / 3) + i % 3] = char(4 * slot + 3);
            }
        }
    }
    return m;
}

constexpr SlotMasks kSlotMasks = slotMasks();

/// The 24-bit form's widening shuffle: each lane's 4 pixels from byte 0, reversed when
/// mirrored. Byte 3 is 0.
struct WidenMask
{
    alignas(32) char bytes[32];
};

constexpr WidenMask widenMask(bool mirror)
{
    WidenMask m{};
    for (int lane = 0; lane < 2; ++lane) {
        for (int p = 0; p < 4; ++p) {
            const int q = mirror ? 3 - p : p;
            for (int ch = 0; ch < 4; ++ch)
                m.bytes[16 * lane + 4 * p + ch] = ch == 3 ? char(-128) : char(3 * q + ch);
        }
    }
    return m;
}

constexpr WidenMask kWiden[2] = {widenMask(false), widenMask(true)};

__attribute__((target("avx2"))) inline __m256i mask(const char *bytes)
{
    return _mm256_load_si256(reinterpret_cast<const __m256i *>(bytes));
}

__attribute__((target("avx2"))) inline __m256i loadu(const uchar *p)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
}

__attribute__((target("avx2"))) inline void storeu(uchar *p, __m256i v)
{
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(p), v);
}

/// Register j of the 32-pixel step at x: pixels x + 8j ... in destination order.
template <bool Mirror>
__attribute__((target("avx2"), always_inline)) inline __m256i load8(const uchar *src, int w, int x,
                                                                    int j, __m256i reverse)
{
    if (Mirror)
        return _mm256_permutevar8x32_epi32(loadu(src + qptrdiff(w - 8 * (j + 1) - x) * 4), reverse);
    return loadu(src + qptrdiff(x + 8 * j) * 4);
}

/// 32 pixels a step. The colour bytes of the fourth register's pixels travel in the byte-3
/// slots of the first three (within each lane), so three lookups cover all 96.
template <bool Mirror, bool Opaque>
__attribute__((target("avx2"))) void avx2Rows32(const uchar *src, uchar *dst, int w,
                                                const uchar *table, quint32 alpha)
{
    const Avx2Table t = avx2Table(table);
    const __m256i spread[3] = {mask(kSlotMasks.spread[0]), mask(kSlotMasks.spread[1]),
                               mask(kSlotMasks.spread[2])};
    const __m256i gather[3] = {mask(kSlotMasks.gather[0]), mask(kSlotMasks.gather[1]),
                               mask(kSlotMasks.gather[2])};
    const __m256i slots = _mm256_set1_epi32(int(0xff000000u));
    const __m256i a = _mm256_set1_epi32(int(alpha));
    const __m256i reverse = _mm256_setr_epi32(7, 6, 5, 4, 3, 2, 1, 0);
    int x = 0;
    for (; x + 32 <= w; x += 32) {
        // Each register loaded by a call of its own: a loop filling the array, at -O2, left it
        // on the stack, stored in 16-byte halves and reloaded whole, which stalls every load.
        const __m256i p[4] = {
            load8<Mirror>(src, w, x, 0, reverse), load8<Mirror>(src, w, x, 1, reverse),
            load8<Mirror>(src, w, x, 2, reverse), load8<Mirror>(src, w, x, 3, reverse)};
        __m256i c0 = _mm256_blendv_epi8(p[0], _mm256_shuffle_epi8(p[3], spread[0]), slots);
        __m256i c1 = _mm256_blendv_epi8(p[1], _mm256_shuffle_epi8(p[3], spread[1]), slots);
        __m256i c2 = _mm256_blendv_epi8(p[2], _mm256_shuffle_epi8(p[3], spread[2]), slots);
        lookup3(t, c0, c1, c2);
        __m256i last = _mm256_or_si256(
            _mm256_or_si256(_mm256_shuffle_epi8(c0, gather[0]), _mm256_shuffle_epi8(c1, gather[1])),
            _mm256_shuffle_epi8(c2, gather[2]));
        uchar *d = dst + qptrdiff(x) * 4;
        if (Opaque) {
            storeu(d, _mm256_or_si256(c0, slots));
            storeu(d + 32, _mm256_or_si256(c1, slots));
            storeu(d + 64, _mm256_or_si256(c2, slots));
            storeu(d + 96, _mm256_or_si256(last, slots));
        } else {
            storeu(d, _mm256_or_si256(_mm256_blendv_epi8(c0, p[0], slots), a));
            storeu(d + 32, _mm256_or_si256(_mm256_blendv_epi8(c1, p[1], slots), a));
            storeu(d + 64, _mm256_or_si256(_mm256_blendv_epi8(c2, p[2], slots), a));
            storeu(d + 96, _mm256_or_si256(_mm256_blendv_epi8(last, p[3], slots), a));
        }
    }
    pixelsFrom(src, dst, x, w, table, Mirror, alpha);
}

/// 24-bit source, 32 pixels a step: the 96 source bytes are looked up as they are loaded.
/// Output register k (pixels 8k..8k+7) takes its two groups of 4 pixels (12 bytes, 3 dwords)
/// into its lanes with a dword permute, the source dwords blended into one register first
/// where they straddle two; a shuffle widens each lane's 12 bytes to 16. Mirrored, register k
/// takes the groups of register 3 - k, lanes swapped, and the shuffle reverses the pixels.
template <bool Mirror>
__attribute__((target("avx2"))) void avx2Rows24(const uchar *src, uchar *dst, int w,
                                                const uchar *table)
{
    const Avx2Table t = avx2Table(table);
    // First dwords of groups 2k and 2k + 1 in the (blended) register of output k.
    static constexpr int first[4][2] = {{0, 3}, {6, 1}, {4, 7}, {2, 5}};
    __m256i place[4];
    for (int k = 0; k < 4; ++k) {
        const int part = Mirror ? 3 - k : k;
        const int lane0 = first[part][Mirror ? 1 : 0];
        const int lane1 = first[part][Mirror ? 0 : 1];
        place[k] = _mm256_setr_epi32(lane0, (lane0 + 1) % 8, (lane0 + 2) % 8, 0, lane1,
                                     (lane1 + 1) % 8, (lane1 + 2) % 8, 0);
    }
    const __m256i widen = mask(kWiden[Mirror].bytes);
    const __m256i opaque = _mm256_set1_epi32(int(0xff000000u));
    int x = 0;
    for (; x + 32 <= w; x += 32) {
        const uchar *s = src + qptrdiff(Mirror ? w - 32 - x : x) * 3;
        __m256i a = loadu(s);
        __m256i b = loadu(s + 32);
        __m256i c = loadu(s + 64);
        lookup3(t, a, b, c);
        const __m256i parts[4] = {a, _mm256_blend_epi32(a, b, 0x0f), _mm256_blend_epi32(b, c, 0x03),
                                  c};
        uchar *d = dst + qptrdiff(x) * 4;
        for (int k = 0; k < 4; ++k) {
            const __m256i v = _mm256_permutevar8x32_epi32(parts[Mirror ? 3 - k : k], place[k]);
            storeu(d + 32 * k, _mm256_or_si256(_mm256_shuffle_epi8(v, widen), opaque));
        }
    }
    pixelsFrom24(src, dst, x, w, table, Mirror);
}

} // namespace

void PixelKernels::rowAvx2(const uchar *src, uchar *dst, int w, const uchar *table, bool mirror,
                           quint32 alpha)
{
    const bool opaque = alpha == 0xff000000u;
    if (mirror)
        opaque ? avx2Rows32<true, true>(src, dst, w, table, alpha)
               : avx2Rows32<true, false>(src, dst, w, table, alpha);
    else
        opaque ? avx2Rows32<false, true>(src, dst, w, table, alpha)
               : avx2Rows32<false, false>(src, dst, w, table, alpha);
}

void PixelKernels::rowAvx2From24(const uchar *src, uchar *dst, int w, const uchar *table,
                                 bool mirror)
{
    mirror ? avx2Rows24<true>(src, dst, w, table) : avx2Rows24<false>(src, dst, w, table);
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

// 24-bit source, 64 pixels a step: three registers of source bytes are looked up, then one
// two-register byte permute per output register widens 16 pixels, its index supplying byte 3.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void
PixelKernels::rowAvx512VbmiFrom24(const uchar *src, uchar *dst, int w, const uchar *table,
                                  bool mirror)
{
    const __m512i t0 = _mm512_loadu_si512(table);
    const __m512i t1 = _mm512_loadu_si512(table + 64);
    const __m512i t2 = _mm512_loadu_si512(table + 128);
    const __m512i t3 = _mm512_loadu_si512(table + 192);
    // Output register k takes the 48 source bytes from byte `first` of the block; those lie in
    // source registers k / 2 and k / 2 + 1 (k = 0, 1: bytes 0-47, 48-95 of a and b; 2, 3:
    // 96-143, 144-191 of b and c). Mirrored, register k takes the bytes of register 3 - k.
    __m512i widen[4];
    for (int k = 0; k < 4; ++k) {
        const int from = 48 * (mirror ? 3 - k : k);
        const int base = from < 96 ? 0 : 64;
        alignas(64) uchar idx[64];
        for (int p = 0; p < 16; ++p) {
            const int q = mirror ? 15 - p : p;
            for (int ch = 0; ch < 4; ++ch)
                idx[4 * p + ch] = ch == 3 ? 0xff : uchar(from - base + 3 * q + ch);
        }
        widen[k] = _mm512_load_si512(idx);
    }
    const __mmask64 colour = 0x7777777777777777ull;
    int x = 0;
    for (; x + 64 <= w; x += 64) {
        const uchar *s = src + qptrdiff(mirror ? w - 64 - x : x) * 3;
        __m512i a = _mm512_loadu_si512(s);
        __m512i b = _mm512_loadu_si512(s + 64);
        __m512i c = _mm512_loadu_si512(s + 128);
        a = _mm512_mask_blend_epi8(_mm512_movepi8_mask(a), _mm512_permutex2var_epi8(t0, a, t1),
                                   _mm512_permutex2var_epi8(t2, a, t3));
        b = _mm512_mask_blend_epi8(_mm512_movepi8_mask(b), _mm512_permutex2var_epi8(t0, b, t1),
                                   _mm512_permutex2var_epi8(t2, b, t3));
        c = _mm512_mask_blend_epi8(_mm512_movepi8_mask(c), _mm512_permutex2var_epi8(t0, c, t1),
                                   _mm512_permutex2var_epi8(t2, c, t3));
        uchar *d = dst + qptrdiff(x) * 4;
        for (int k = 0; k < 4; ++k) {
            const int part = mirror ? 3 - k : k;
            const __m512i lo = part < 2 ? a : b;
            const __m512i hi = part < 2 ? b : c;
            // Bytes outside `colour` keep the index byte, 0xff.
            _mm512_storeu_si512(d + 64 * k,
                                _mm512_mask2_permutex2var_epi8(lo, widen[k], colour, hi));
        }
    }
    pixelsFrom24(src, dst, x, w, table, mirror);
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

void PixelKernels::rowAvx2From24(const uchar *src, uchar *dst, int w, const uchar *table,
                                 bool mirror)
{
    rowPortableFrom24(src, dst, w, table, mirror);
}

void PixelKernels::rowAvx512VbmiFrom24(const uchar *src, uchar *dst, int w, const uchar *table,
                                       bool mirror)
{
    rowPortableFrom24(src, dst, w, table, mirror);
}

#endif

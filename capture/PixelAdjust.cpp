#include "capture/PixelAdjust.h"

#include "capture/PixelKernels.h"

#include <libyuv/planar_functions.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

/// One row: d[x] = table(s[x]) or table(s[w - 1 - x]), byte 3 copied and or-ed with `alpha`.
/// `useTable` false copies the colours unchanged. s and d may be the same row when not mirrored.
using RowKernel = void (*)(const quint32 *s, quint32 *d, int w, const uchar *t, bool mirror,
                           quint32 alpha);

/// No table: the colours are copied (mirrored when asked), only byte 3 is or-ed with `alpha`.
void rowCopy(const quint32 *s, quint32 *d, int w, const uchar *, bool mirror, quint32 alpha)
{
    if (mirror) {
        for (int x = 0; x < w; ++x)
            d[x] = s[w - 1 - x] | alpha;
    } else {
        for (int x = 0; x < w; ++x)
            d[x] = s[x] | alpha;
    }
}

/// The table kernels (vector ones where the processor has them) work on byte rows.
void tableRow(const quint32 *s, quint32 *d, int w, const uchar *t, bool mirror, quint32 alpha)
{
    PixelKernels::row()(reinterpret_cast<const uchar *>(s), reinterpret_cast<uchar *>(d), w, t,
                        mirror, alpha);
}

RowKernel rowKernel(bool useTable)
{
    return useTable ? tableRow : rowCopy;
}

inline const quint32 *row32(const uchar *base, int stride, int y)
{
    return reinterpret_cast<const quint32 *>(base + qptrdiff(stride) * y);
}

inline quint32 *row32(uchar *base, int stride, int y)
{
    return reinterpret_cast<quint32 *>(base + qptrdiff(stride) * y);
}

} // namespace

PixelAdjust::PixelAdjust(int gamma, int brightness)
    : m_gamma(gamma)
    , m_brightness(brightness)
    , m_hasTable(gamma != Neutral || brightness != Neutral)
{
    if (m_hasTable)
        m_table = composite(gamma, brightness);
}

PixelAdjust::Table PixelAdjust::gammaTable(int gamma)
{
    // The precision of every step matters: results must not drift by one between builds.
    const float e = float(gamma) / 100.0f + 0.5f;
    Table t{};
    for (int i = 0; i < 256; ++i) {
        const float x = float(double(i) / 255.0);
        const float y = powf(x, e);
        const double v = double(y) * 255.0;
        t[i] = uchar(std::clamp(int(v), 0, 255));
    }
    return t;
}

uchar PixelAdjust::brightValue(int c, int brightness)
{
    const int t = std::min(c + brightness, 305);
    return uchar(std::max(t, 50) - 50);
}

PixelAdjust::Table PixelAdjust::composite(int gamma, int brightness)
{
    Table t{};
    for (int i = 0; i < 256; ++i)
        t[i] = uchar(i);
    // A neutral step is skipped, not applied: the gamma table at 50 is not exactly identity.
    if (gamma != Neutral)
        t = gammaTable(gamma);
    if (brightness != Neutral) {
        for (uchar &v : t)
            v = brightValue(v, brightness);
    }
    return t;
}

void PixelAdjust::copy(const uchar *src, int srcStride, uchar *dst, int dstStride, int w, int h,
                       bool hflip, bool vflip, bool opaque) const
{
    if (w <= 0 || h <= 0)
        return;
    if (!m_hasTable && !opaque) {
        if (hflip) {
            // libyuv inverts the source when given a negative height.
            libyuv::ARGBMirror(src, srcStride, dst, dstStride, w, vflip ? -h : h);
        } else {
            const size_t row = size_t(w) * 4;
            for (int y = 0; y < h; ++y)
                memcpy(dst + qptrdiff(dstStride) * y,
                       src + qptrdiff(srcStride) * (vflip ? h - 1 - y : y), row);
        }
        return;
    }
    const RowKernel kernel = rowKernel(m_hasTable);
    const quint32 alpha = opaque ? 0xff000000u : 0u;
    // The kernels read whole 32-bit pixels. Source rows that do not start on a 4-byte boundary
    // (a frame whose bytes per line is not a multiple of 4) are read through an aligned copy.
    const bool aligned = (quintptr(src) | quintptr(qptrdiff(srcStride))) % alignof(quint32) == 0;
    std::vector<quint32> staged(aligned ? 0 : size_t(w));
    for (int y = 0; y < h; ++y) {
        const int from = vflip ? h - 1 - y : y;
        const quint32 *row = staged.data();
        if (aligned)
            row = row32(src, srcStride, from);
        else
            memcpy(staged.data(), src + qptrdiff(srcStride) * from, size_t(w) * 4);
        kernel(row, row32(dst, dstStride, y), w, m_table.data(), hflip, alpha);
    }
}

void PixelAdjust::copyFrom24(const uchar *src, int srcStride, uchar *dst, int dstStride, int w,
                             int h, bool hflip, bool vflip) const
{
    if (w <= 0 || h <= 0)
        return;
    static const Table identity = [] {
        Table t{};
        for (int i = 0; i < 256; ++i)
            t[size_t(i)] = uchar(i);
        return t;
    }();
    const PixelKernels::RowFrom24 kernel = PixelKernels::rowFrom24();
    const uchar *table = m_hasTable ? m_table.data() : identity.data();
    for (int y = 0; y < h; ++y)
        kernel(src + qptrdiff(srcStride) * (vflip ? h - 1 - y : y), dst + qptrdiff(dstStride) * y,
               w, table, hflip);
}

void PixelAdjust::applyInPlace(uchar *pixels, int stride, int w, int h, bool hflip,
                               bool opaque) const
{
    if (w <= 0 || h <= 0 || (!hflip && !m_hasTable))
        return;
    const RowKernel kernel = rowKernel(m_hasTable);
    // Or-ing 0xff into bytes that are 0xff changes nothing.
    const quint32 alpha = opaque ? 0xff000000u : 0u;
    // A mirrored row is read from a copy; the copy stays in the first-level cache.
    std::vector<quint32> scratch(hflip ? size_t(w) : 0);
    for (int y = 0; y < h; ++y) {
        quint32 *r = row32(pixels, stride, y);
        if (hflip) {
            memcpy(scratch.data(), r, size_t(w) * 4);
            if (m_hasTable)
                kernel(scratch.data(), r, w, m_table.data(), true, alpha);
            else
                libyuv::ARGBMirror(reinterpret_cast<const uchar *>(scratch.data()), w * 4,
                                   reinterpret_cast<uchar *>(r), w * 4, w, 1);
        } else {
            kernel(r, r, w, m_table.data(), false, alpha);
        }
    }
}

void PixelAdjust::setSimdEnabled(bool enabled)
{
    PixelKernels::setForced(enabled ? PixelKernels::Best : PixelKernels::Portable);
}

bool PixelAdjust::simdAvailable()
{
    return PixelKernels::available(PixelKernels::Avx2) ||
           PixelKernels::available(PixelKernels::Avx512Vbmi);
}

void PixelAdjust::processPixels(const uchar *src, uchar *dst, int w, int h, bool hflip, bool vflip)
{
    if (w <= 0 || h <= 0)
        return;
    const size_t row = size_t(w) * 4;
    if (!hflip && !vflip) {
        memcpy(dst, src, row * size_t(h));
        return;
    }
    for (int i = 0; i < h; ++i) {
        const uchar *s = src + row * size_t(vflip ? h - 1 - i : i);
        uchar *d = dst + row * size_t(i);
        if (!hflip) {
            memcpy(d, s, row);
            continue;
        }
        for (int k = 0; k < w; ++k) {
            const uchar *sp = s + size_t(w - 1 - k) * 4;
            d[k * 4 + 0] = sp[0];
            d[k * 4 + 1] = sp[1];
            d[k * 4 + 2] = sp[2];
        }
    }
}

void PixelAdjust::processGamma(uchar *pixels, int w, int h, int gamma)
{
    if (gamma == Neutral)
        return;
    const Table t = gammaTable(gamma);
    const size_t n = size_t(std::max(w, 0)) * size_t(std::max(h, 0));
    for (size_t i = 0; i < n; ++i) {
        uchar *p = pixels + i * 4;
        p[0] = t[p[0]];
        p[1] = t[p[1]];
        p[2] = t[p[2]];
    }
}

void PixelAdjust::processBright(uchar *pixels, int w, int h, int brightness)
{
    if (brightness == Neutral)
        return;
    const size_t n = size_t(std::max(w, 0)) * size_t(std::max(h, 0));
    for (size_t i = 0; i < n; ++i) {
        uchar *p = pixels + i * 4;
        p[0] = brightValue(p[0], brightness);
        p[1] = brightValue(p[1], brightness);
        p[2] = brightValue(p[2], brightness);
    }
}

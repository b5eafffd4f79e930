#include "capture/StripScaler.h"

#include "capture/PixelKernels.h"

#include <libyuv/planar_functions.h>
#include <libyuv/scale_argb.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define LUMIVEX_X86_SCALER 1
#include <immintrin.h>
#endif

namespace {

/// libyuv's exact 2 x 2 halving of rows first .. last - 1 of a picture `width` pixels wide
/// (an odd last column and row of the source are left out). Row by row, a strip gives the
/// bytes the whole picture would.
void halveRows(const uchar *from, int fromStride, uchar *to, int toStride, int width, int first,
               int last)
{
    const int count = last - first;
    libyuv::ARGBScale(from + qptrdiff(2 * first) * fromStride, fromStride, 2 * width, 2 * count,
                      to + qptrdiff(first) * toStride, toStride, width, count, libyuv::kFilterBox);
}

/// The picture the last step starts from: the picture halved as long as it stays at least
/// twice the target.
QSize lastSource(QSize from, QSize to)
{
    for (QSize half = StripScaler::nextHalf(from, to); !half.isEmpty();
         half = StripScaler::nextHalf(half, to))
        from = half;
    return from;
}

/// Target columns per step of the AVX2 column filter.
constexpr int kGroup = 8;

/// libyuv's SSSE3 column filter, which its bilinear shrinking runs on every processor that has
/// AVX2: the target pixel at 16.16 source position `pos` blends source pixels pos >> 16 and the
/// next by the fraction's bits 9-15, f, as (a * (127 - f) + b * f) >> 7 per byte. (The weights
/// add up to 127, hence the darkening undone after it.)
inline void filterPixel(const uchar *row, uchar *out, qint64 pos)
{
    const uchar *a = row + (pos >> 16) * 4;
    const int f = int(pos >> 9) & 0x7f;
    for (int c = 0; c < 4; ++c)
        out[c] = uchar((a[c] * (127 - f) + a[c + 4] * f) >> 7);
}

#ifdef LUMIVEX_X86_SCALER
/// The same, 8 target pixels a step from a window of 16 source pixels: libyuv's SSSE3 filter
/// fetches its two sources pixel by pixel, which made it the costliest part of the live view's
/// scaling after the decode. Offsets and weights are planned once per pair of sizes.
__attribute__((target("avx2"))) void filterColumnsAvx2(const uchar *row, uchar *out, int groups,
                                                       const int *base, const quint32 *offsets,
                                                       const uchar *weights)
{
    const __m256i one = _mm256_set1_epi32(1);
    const __m256i seven = _mm256_set1_epi32(7);
    for (int g = 0; g < groups; ++g) {
        const uchar *s = row + qptrdiff(base[g]) * 4;
        const __m256i lo = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(s));
        const __m256i hi = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(s + 32));
        const __m256i i0 =
            _mm256_loadu_si256(reinterpret_cast<const __m256i *>(offsets + kGroup * g));
        const __m256i i1 = _mm256_add_epi32(i0, one);
        const __m256i a =
            _mm256_blendv_epi8(_mm256_permutevar8x32_epi32(lo, i0),
                               _mm256_permutevar8x32_epi32(hi, i0), _mm256_cmpgt_epi32(i0, seven));
        const __m256i b =
            _mm256_blendv_epi8(_mm256_permutevar8x32_epi32(lo, i1),
                               _mm256_permutevar8x32_epi32(hi, i1), _mm256_cmpgt_epi32(i1, seven));
        // Per lane, unpacking pairs each byte of a with its byte of b: pixels 0, 1 (lane 0) and
        // 4, 5 (lane 1) in the low half, 2, 3 and 6, 7 in the high half; packing restores the
        // order.
        const uchar *w = weights + 64 * g;
        const __m256i wlo = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(w));
        const __m256i whi = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(w + 32));
        const __m256i l =
            _mm256_srli_epi16(_mm256_maddubs_epi16(_mm256_unpacklo_epi8(a, b), wlo), 7);
        const __m256i h =
            _mm256_srli_epi16(_mm256_maddubs_epi16(_mm256_unpackhi_epi8(a, b), whi), 7);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + 4 * kGroup * g),
                            _mm256_packus_epi16(l, h));
    }
}
#endif

} // namespace

QSize StripScaler::nextHalf(QSize source, QSize to)
{
    // libyuv averages 2 x 2 pixels for an exact halving; at other factors its filter samples
    // 2 x 2 neighbours, which would skip rows and columns beyond a factor of 2.
    if (source.width() < 2 * to.width() || source.height() < 2 * to.height() ||
        source.width() < 4 || source.height() < 4)
        return QSize();
    const QSize half(source.width() / 2, source.height() / 2);
    return half == to ? QSize() : half;
}

bool StripScaler::isHalf(QSize source, QSize to)
{
    return source.width() / 2 == to.width() && source.height() / 2 == to.height();
}

bool StripScaler::handles(QSize from, QSize to)
{
    if (to.isEmpty() || from.isEmpty() || to.width() >= from.width() ||
        to.height() >= from.height() || to.width() > 32768 || to.height() > 32768)
        return false;
    // libyuv scales a picture of equal width or height by other routines, whose row clipping
    // differs from the whole picture's at the bottom edge: those stay with the view.
    const QSize source = lastSource(from, to);
    return isHalf(source, to) || (to.width() < source.width() && to.height() < source.height());
}

const uchar *StripScaler::undarkenTable()
{
    static const auto table = [] {
        std::array<uchar, 256> t{};
        for (int v = 0; v < 256; ++v)
            t[size_t(v)] = uchar(std::min(255, int(std::lround(v * 128.0 / 127.0))));
        return t;
    }();
    return table.data();
}

// Some of libyuv's SIMD column filters weigh two neighbours by 7-bit fractions that add up to
// 127 rather than 128, so the picture comes out darker by 1/128 (white turns 253, a flat grey
// of 128 turns 127). Which filter runs depends on the two sizes, so each pair is tried once on
// a white picture; a darkening one is undone by undarkenTable() (exact for black, white and
// most values, one level off for two of them).
bool StripScaler::filterDarkens(QSize from, QSize to)
{
    QImage white(from, QImage::Format_RGB32);
    white.fill(0xffffffffu);
    QImage out(to, QImage::Format_RGB32);
    libyuv::ARGBScale(white.constBits(), white.bytesPerLine(), from.width(), from.height(),
                      out.bits(), out.bytesPerLine(), to.width(), to.height(), libyuv::kFilterBox);
    return qRed(out.pixel(to.width() / 2, to.height() / 2)) != 255;
}

const uchar *StripScaler::Stage::base() const
{
    // Rows are addressed from the top: the window's first row lands where it belongs.
    return reinterpret_cast<const uchar *>(reinterpret_cast<quintptr>(window.data()) -
                                           quintptr(first) * quintptr(stride()));
}

void StripScaler::Stage::makeRoom(int keep, int more)
{
    keep = std::clamp(keep, first, made);
    const size_t row = size_t(stride());
    if (keep > first) {
        std::memmove(window.data(), window.data() + size_t(keep - first) * row,
                     size_t(made - keep) * row);
        first = keep;
    }
    const size_t needed = size_t(made - first + more) * row;
    if (window.size() < needed)
        window.resize(needed);
}

bool StripScaler::start(QSize from, QSize to, uchar *out, int outStride)
{
    m_out = nullptr;
    if (!out || !handles(from, to))
        return false;
    if (from != m_from || to != m_to) {
        m_stages.clear();
        QSize source = from;
        for (QSize half = nextHalf(from, to); !half.isEmpty(); half = nextHalf(half, to)) {
            m_stages.push_back(Stage{half, {}, 0, 0});
            source = half;
        }
        m_filterFrom = source;
        m_lastHalves = isHalf(source, to);
        m_darkens = !m_lastHalves && filterDarkens(source, to);
        m_from = from;
        m_to = to;
        planColumns();
    }
    m_out = out;
    m_outStride = outStride;
    restart();
    return true;
}

void StripScaler::restart()
{
    for (Stage &stage : m_stages)
        stage.first = stage.made = 0;
    m_outRows = 0;
    m_placed = 0;
}

bool StripScaler::finished() const
{
    return m_out && m_outRows == m_to.height();
}

void StripScaler::rowsPlaced(const uchar *picture, int stride, int rows)
{
    if (!m_out)
        return;
    // A few rows at a time, so the halvings' windows stay small and in cache even when a
    // whole picture arrives at once.
    constexpr int kChunkRows = 32;
    const int target = std::min(rows, m_from.height());
    while (m_placed < target) {
        m_placed = std::min(target, m_placed + kChunkRows);
        feed(picture, stride, m_placed);
    }
}

int StripScaler::neededFrom(size_t stage) const
{
    if (stage + 1 < m_stages.size())
        return 2 * m_stages[stage + 1].made;
    if (m_lastHalves || m_outRows >= m_to.height())
        return 2 * m_outRows;
    return int(std::max<qint64>(0, filterPosition(m_outRows) >> 16));
}

void StripScaler::feed(const uchar *picture, int stride, int rows)
{
    const uchar *source = picture;
    int sourceStride = stride;
    int available = rows;
    int sourceRows = m_from.height();
    for (size_t i = 0; i < m_stages.size(); ++i) {
        Stage &stage = m_stages[i];
        const int ready = std::min(available / 2, stage.size.height());
        if (ready > stage.made) {
            stage.makeRoom(neededFrom(i), ready - stage.made);
            halveRows(source, sourceStride, const_cast<uchar *>(stage.base()), stage.stride(),
                      stage.size.width(), stage.made, ready);
            stage.made = ready;
        }
        source = stage.base();
        sourceStride = stage.stride();
        available = stage.made;
        sourceRows = stage.size.height();
    }
    if (m_lastHalves) {
        const int ready = std::min(available / 2, m_to.height());
        if (ready > m_outRows) {
            halveRows(source, sourceStride, m_out, m_outStride, m_to.width(), m_outRows, ready);
            m_outRows = ready;
        }
        return;
    }
    filterRows(source, sourceStride, available, available == sourceRows);
}

qint64 StripScaler::filterPosition(int j) const
{
    const qint64 dy = (qint64(m_filterFrom.height()) << 16) / m_to.height();
    return (dy >> 1) - 32768 + j * dy;
}

void StripScaler::planColumns()
{
    m_columnsPlanned = false;
#ifdef LUMIVEX_X86_SCALER
    const QSize from = m_filterFrom;
    const QSize to = m_to;
    // Only libyuv's general bilinear shrinking with its SSSE3 filter is matched; sizes it
    // reduces to plainer filters, and wide rows (its 64-bit filter), stay with libyuv.
    const qint64 dx = (qint64(from.width()) << 16) / to.width();
    const qint64 dy = (qint64(from.height()) << 16) / to.height();
    if (m_lastHalves || !__builtin_cpu_supports("avx2") || to.width() * 3 == from.width() ||
        to.height() * 3 == from.height() || ((dx | dy) & 0xffff) == 0 || from.width() >= 32768)
        return;
    const int groups = to.width() / kGroup;
    m_groupBase.assign(size_t(groups), 0);
    m_groupOffsets.assign(size_t(groups) * kGroup, 0);
    m_groupWeights.assign(size_t(groups) * 64, 0);
    const qint64 x0 = (dx >> 1) - 32768;
    for (int g = 0; g < groups; ++g) {
        const int base = int((x0 + g * kGroup * dx) >> 16);
        m_groupBase[size_t(g)] = base;
        for (int k = 0; k < kGroup; ++k) {
            const qint64 pos = x0 + (g * kGroup + k) * dx;
            const int offset = int(pos >> 16) - base;
            if (offset > 14)
                return; // both sources must lie in the 16-pixel window
            m_groupOffsets[size_t(g * kGroup + k)] = quint32(offset);
            const int f = int(pos >> 9) & 0x7f;
            // Pixel k's slot among the unpacked pairs: half k / 2 % 2, lane k / 4, place k % 2.
            uchar *w =
                m_groupWeights.data() + 64 * g + 32 * ((k / 2) % 2) + 16 * (k / 4) + 8 * (k % 2);
            for (int c = 0; c < 4; ++c) {
                w[2 * c] = uchar(127 - f);
                w[2 * c + 1] = uchar(f);
            }
        }
    }
    // The window of the last group reaches up to 16 pixels past its first source pixel.
    m_blendedRow.assign((size_t(from.width()) + 16) * 4, 0);
    m_columnsPlanned = true;
#endif
}

void StripScaler::filterRows(const uchar *source, int stride, int available, bool all)
{
    // Target row j samples source rows y >> 16 and the one below, y being libyuv's 16.16
    // position for it. A row more is waited for, in case a libyuv build rounds differently.
    int last = m_outRows;
    while (last < m_to.height() && (all || (filterPosition(last) >> 16) + 3 <= available))
        ++last;
    if (last == m_outRows)
        return;
    if (m_columnsPlanned) {
#ifdef LUMIVEX_X86_SCALER
        // libyuv's bilinear shrinking, row by row: the two source rows blended by the
        // fraction's bits 8-15, then the columns filtered.
        const int groups = int(m_groupBase.size());
        const qint64 dx = (qint64(m_filterFrom.width()) << 16) / m_to.width();
        const qint64 x0 = (dx >> 1) - 32768;
        const qint64 lastY = qint64(m_filterFrom.height() - 1) << 16;
        for (int j = m_outRows; j < last; ++j) {
            const qint64 y = std::min(filterPosition(j), lastY);
            const uchar *row = source + qptrdiff(y >> 16) * stride;
            libyuv::ARGBInterpolate(row, stride, row + stride, stride, m_blendedRow.data(), 0,
                                    m_filterFrom.width(), 1, int(y >> 8) & 255);
            uchar *line = m_out + qptrdiff(j) * m_outStride;
            filterColumnsAvx2(m_blendedRow.data(), line, groups, m_groupBase.data(),
                              m_groupOffsets.data(), m_groupWeights.data());
            for (int x = groups * kGroup; x < m_to.width(); ++x)
                filterPixel(m_blendedRow.data(), line + 4 * x, x0 + x * dx);
        }
#endif
    } else {
        // Clipped to the new rows, libyuv computes each from the same positions as for the
        // whole picture.
        libyuv::ARGBScaleClip(source, stride, m_filterFrom.width(), m_filterFrom.height(), m_out,
                              m_outStride, m_to.width(), m_to.height(), 0, m_outRows, m_to.width(),
                              last - m_outRows, libyuv::kFilterBox);
    }
    if (m_darkens) {
        static const PixelKernels::Row undarken = PixelKernels::row();
        for (int y = m_outRows; y < last; ++y) {
            uchar *line = m_out + qptrdiff(y) * m_outStride;
            undarken(line, line, m_to.width(), undarkenTable(), false, 0);
        }
    }
    m_outRows = last;
}

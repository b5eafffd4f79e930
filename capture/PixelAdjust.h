#pragma once

#include <QtGlobal>

#include <array>

/// The software picture adjustments of a camera: gamma, then brightness, then mirroring.
///
/// Gamma and brightness are folded into one 256-entry table applied to colour bytes 0-2 (blue,
/// green, red in memory), so a frame is adjusted and mirrored in a single pass over memory.
/// The static step functions give the values one step at a time; the table equals them chained.
/// Pixels are 32-bit, rows of `stride` bytes; byte 3 is never changed by the table.
class PixelAdjust final
{
public:
    using Table = std::array<uchar, 256>;
    static constexpr int Neutral = 50;

    PixelAdjust() = default;
    PixelAdjust(int gamma, int brightness);

    int gamma() const { return m_gamma; }
    int brightness() const { return m_brightness; }
    /// False when both settings are neutral: no table is applied at all.
    bool hasTable() const { return m_hasTable; }
    const Table &table() const { return m_table; }

    /// Copies w x h pixels, mirrored as asked, applying the table to bytes 0-2. Byte 3 is copied,
    /// or set to 0xff when `opaque` (sources whose byte 3 is alpha rather than padding).
    /// Source rows may have any alignment; destination rows must start on 4-byte boundaries.
    void copy(const uchar *src, int srcStride, uchar *dst, int dstStride, int w, int h, bool hflip,
              bool vflip, bool opaque = false) const;
    /// The same from 24-bit source pixels (B, G, R); byte 3 of the destination is 0xff.
    void copyFrom24(const uchar *src, int srcStride, uchar *dst, int dstStride, int w, int h,
                    bool hflip, bool vflip) const;
    /// In place: mirrors each row when `hflip` and applies the table. `opaque` promises that
    /// byte 3 is 0xff already, which the vector kernels use to skip restoring it.
    void applyInPlace(uchar *pixels, int stride, int w, int h, bool hflip,
                      bool opaque = false) const;

    /// The fastest row kernel the processor has is used (PixelKernels); false forces the
    /// portable one, true restores the automatic choice.
    static void setSimdEnabled(bool enabled);
    static bool simdAvailable();

    // One step at a time, with packed rows (stride = w * 4).
    static Table gammaTable(int gamma);
    static uchar brightValue(int c, int brightness);
    static Table composite(int gamma, int brightness);
    /// Mirroring copy; with a horizontal flip byte 3 of the destination is left as it was.
    static void processPixels(const uchar *src, uchar *dst, int w, int h, bool hflip, bool vflip);
    static void processGamma(uchar *pixels, int w, int h, int gamma);
    static void processBright(uchar *pixels, int w, int h, int brightness);

private:
    int m_gamma = Neutral;
    int m_brightness = Neutral;
    bool m_hasTable = false;
    Table m_table{};
};

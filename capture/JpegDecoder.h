#pragma once

#include <QImage>
#include <QSize>

/// Decodes camera JPEG (MJPG) frames to 32-bit RGB (memory order B, G, R, 0xff).
///
/// The fast path is libjpeg-turbo's TurboJPEG with accurate DCT and smooth upsampling, the same
/// settings the toolkit's own JPEG reader uses, so the pixels are identical to
/// QImage::fromData(). Whatever the fast path refuses (CMYK, unusual markers, other formats)
/// goes through QImage::fromData(), so every picture the toolkit reads still decodes.
/// Thread-safe: each thread keeps its own decoder handle.
class JpegDecoder final
{
public:
    /// The picture size from the JPEG header; invalid when the fast path cannot read it.
    static QSize headerSize(const uchar *data, qsizetype size);
    /// Decodes into dst (w x h, `stride` bytes per row), which must match the picture size;
    /// `bottomUp` stores the rows in reverse order. False when the data does not decode to
    /// exactly that size; dst may then hold a partial picture.
    static bool decodeInto(const uchar *data, qsizetype size, uchar *dst, int stride, int w, int h,
                           bool bottomUp = false);
    /// Decodes into a new Format_RGB32 picture; null when the data does not decode.
    static QImage decode(const uchar *data, qsizetype size);
    /// The reference decoder alone (QImage::fromData converted to Format_RGB32).
    static QImage decodeReference(const uchar *data, qsizetype size);
};

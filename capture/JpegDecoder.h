#pragma once

#include <QImage>
#include <QSize>

#include <functional>

/// Decodes camera JPEG (MJPG) frames to 32-bit RGB (memory order B, G, R, 0xff).
///
/// The fast path is libjpeg-turbo with accurate DCT and smooth upsampling, the settings the
/// toolkit's own JPEG reader uses, so the pixels are identical to QImage::fromData(). It decodes
/// in strips of rows and can hand each strip to a callback while the rows are still in cache.
/// Whatever the fast path refuses (CMYK, damaged headers, other formats) goes through
/// QImage::fromData(), so every picture the toolkit reads still decodes. Thread-safe.
class JpegDecoder final
{
public:
    /// Receives each decoded strip: `rowCount` rows of `stride` bytes in picture order, the
    /// first of them being picture row `firstRow`.
    using StripSink =
        std::function<void(const uchar *rows, int stride, int firstRow, int rowCount)>;

    /// The picture size from the JPEG header; invalid when the fast path cannot decode it.
    static QSize headerSize(const uchar *data, qsizetype size);
    /// Called after each strip decoded into the destination, to work on the rows while they
    /// are in cache: `rowCount` rows from `rows`, `stride` bytes apart (negative when stored
    /// bottom-up), the first being picture row `firstRow`.
    using StripDone = std::function<void(uchar *rows, int stride, int firstRow, int rowCount)>;

    /// Decodes into dst (w x h, `stride` bytes per row), which must match the picture size;
    /// `bottomUp` stores the rows in reverse order. False when the data does not decode to
    /// exactly that size; dst may then hold a partial picture.
    static bool decodeInto(const uchar *data, qsizetype size, uchar *dst, int stride, int w, int h,
                           bool bottomUp = false, const StripDone &done = nullptr);
    /// The pixels of the strips: 32-bit (B, G, R, 0xff) or 24-bit (B, G, R), which the decoder
    /// writes faster and which leaves a table lookup only colour bytes to look up.
    enum StripFormat { Bgrx, Bgr };
    /// Decodes a w x h picture a few rows at a time into a small buffer that stays in cache and
    /// hands each strip to `sink`, which writes it where it belongs (mirrored, adjusted).
    /// False when the data does not decode to exactly that size.
    static bool decodeStrips(const uchar *data, qsizetype size, int w, int h, const StripSink &sink,
                             StripFormat format = Bgrx);
    /// Decodes into a new Format_RGB32 picture; null when the data does not decode or claims
    /// more than 64 megapixels (a damaged header).
    static QImage decode(const uchar *data, qsizetype size);
    /// The reference decoder alone (QImage::fromData converted to Format_RGB32), with the same
    /// size limit.
    static QImage decodeReference(const uchar *data, qsizetype size);
};

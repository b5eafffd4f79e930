#include "capture/JpegDecoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <QBuffer>
#include <QImageReader>

#include <jpeglib.h>

namespace {

constexpr int StripRows = 16;
/// Far above any camera's picture (64 megapixels, 256 MB as RGB32): a larger size comes from a
/// damaged header, and decoding it would allocate and fill up to 17 GB.
constexpr qint64 MaxPixels = qint64(1) << 26;

bool plausibleSize(const QSize &s)
{
    return qint64(s.width()) * s.height() <= MaxPixels;
}

struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(cinfo->err)->jump, 1);
}

void silent(j_common_ptr) {}

/// Rows go to dst (bottom-up if asked), or with a sink through the strip buffer to the sink.
struct Target
{
    uchar *dst = nullptr;
    int stride = 0;
    bool bottomUp = false;
    const JpegDecoder::StripDone *done = nullptr; // after each strip written to dst
    const JpegDecoder::StripSink *sink = nullptr;
    uchar *strip = nullptr; // StripRows rows of w * pixelBytes bytes
    int pixelBytes = 4;     // 3 only with a sink
};

/// Header and decode with the same library and settings as the toolkit's reader. Warnings
/// (corrupt entropy data, a missing end) still give a whole picture, as there; errors refuse.
/// Kept free of C++ objects with destructors: errors leave through longjmp.
bool decodeFast(const uchar *data, qsizetype size, int w, int h, const Target &target,
                QSize *headerOnly)
{
    if (!data || size <= 0 || size > qsizetype(0x7fffffff))
        return false;
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = errorExit;
    err.pub.output_message = silent;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK || cinfo.jpeg_color_space == JCS_CMYK ||
        cinfo.jpeg_color_space == JCS_YCCK) {
        // CMYK and YCCK need the toolkit's own conversion.
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (headerOnly) {
        *headerOnly = QSize(int(cinfo.image_width), int(cinfo.image_height));
        jpeg_destroy_decompress(&cinfo);
        return true;
    }
    if (int(cinfo.image_width) != w || int(cinfo.image_height) != h) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = target.pixelBytes == 3 ? JCS_EXT_BGR : JCS_EXT_BGRX;
    jpeg_start_decompress(&cinfo);
    if (int(cinfo.output_width) != w || int(cinfo.output_height) != h ||
        cinfo.output_components != target.pixelBytes) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    JSAMPROW rows[StripRows];
    while (int(cinfo.output_scanline) < h) {
        const int first = int(cinfo.output_scanline);
        const int count = std::min(StripRows, h - first);
        for (int i = 0; i < count; ++i) {
            if (target.sink) {
                rows[i] = target.strip + qptrdiff(w) * target.pixelBytes * i;
            } else {
                const int y = target.bottomUp ? h - 1 - (first + i) : first + i;
                rows[i] = target.dst + qptrdiff(target.stride) * y;
            }
        }
        int done = 0;
        while (done < count)
            done += int(jpeg_read_scanlines(&cinfo, rows + done, JDIMENSION(count - done)));
        if (target.sink)
            (*target.sink)(target.strip, w * target.pixelBytes, first, count);
        else if (target.done && *target.done)
            (*target.done)(rows[0], target.bottomUp ? -target.stride : target.stride, first, count);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

QSize JpegDecoder::headerSize(const uchar *data, qsizetype size)
{
    QSize s;
    if (!decodeFast(data, size, 0, 0, Target(), &s) || s.isEmpty())
        return QSize();
    return s;
}

bool JpegDecoder::decodeInto(const uchar *data, qsizetype size, uchar *dst, int stride, int w,
                             int h, bool bottomUp, const StripDone &done)
{
    if (!dst || w <= 0 || h <= 0 || stride < w * 4)
        return false;
    Target target;
    target.dst = dst;
    target.stride = stride;
    target.bottomUp = bottomUp;
    target.done = &done;
    if (decodeFast(data, size, w, h, target, nullptr))
        return true;
    const QImage ref = decodeReference(data, size);
    if (ref.isNull() || ref.width() != w || ref.height() != h)
        return false;
    for (int y = 0; y < h; ++y)
        memcpy(dst + qptrdiff(stride) * (bottomUp ? h - 1 - y : y), ref.constScanLine(y),
               size_t(w) * 4);
    if (done)
        done(bottomUp ? dst + qptrdiff(stride) * (h - 1) : dst, bottomUp ? -stride : stride, 0, h);
    return true;
}

bool JpegDecoder::decodeStrips(const uchar *data, qsizetype size, int w, int h,
                               const StripSink &sink, StripFormat format)
{
    if (w <= 0 || h <= 0 || !sink)
        return false;
    Target target;
    target.sink = &sink;
    target.pixelBytes = format == Bgr ? 3 : 4;
    std::vector<uchar> strip(size_t(w) * size_t(target.pixelBytes) * StripRows);
    target.strip = strip.data();
    if (decodeFast(data, size, w, h, target, nullptr))
        return true;
    const QImage ref = decodeReference(data, size);
    if (ref.isNull() || ref.width() != w || ref.height() != h)
        return false;
    if (format == Bgrx) {
        sink(ref.constBits(), ref.bytesPerLine(), 0, h);
        return true;
    }
    // The toolkit's picture is 32-bit: handed on a strip at a time as 24-bit.
    for (int first = 0; first < h; first += StripRows) {
        const int count = std::min(StripRows, h - first);
        for (int i = 0; i < count; ++i) {
            const uchar *s = ref.constScanLine(first + i);
            uchar *d = strip.data() + qptrdiff(w) * 3 * i;
            for (int x = 0; x < w; ++x) {
                d[3 * x] = s[4 * x];
                d[3 * x + 1] = s[4 * x + 1];
                d[3 * x + 2] = s[4 * x + 2];
            }
        }
        sink(strip.data(), w * 3, first, count);
    }
    return true;
}

QImage JpegDecoder::decode(const uchar *data, qsizetype size)
{
    const QSize s = headerSize(data, size);
    if (s.isValid() && !plausibleSize(s))
        return QImage();
    if (s.isValid()) {
        QImage img(s, QImage::Format_RGB32);
        Target target;
        target.dst = img.bits();
        target.stride = img.bytesPerLine();
        if (!img.isNull() && decodeFast(data, size, s.width(), s.height(), target, nullptr))
            return img;
    }
    return decodeReference(data, size);
}

QImage JpegDecoder::decodeReference(const uchar *data, qsizetype size)
{
    if (!data || size <= 0 || size > qsizetype(0x7fffffff))
        return QImage();
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device);
    if (reader.size().isValid() && !plausibleSize(reader.size()))
        return QImage();
    QImage img = reader.read();
    if (!img.isNull() && img.format() != QImage::Format_RGB32)
        img = img.convertToFormat(QImage::Format_RGB32);
    return img;
}

#include "capture/JpegDecoder.h"

#include <turbojpeg.h>

#include <cstring>

namespace {

/// One TurboJPEG handle per thread: handles are not thread-safe and cheap to keep.
class ThreadHandle final
{
public:
    ThreadHandle()
        : m_handle(tjInitDecompress())
    {}
    ~ThreadHandle()
    {
        if (m_handle)
            tjDestroy(m_handle);
    }
    ThreadHandle(const ThreadHandle &) = delete;
    ThreadHandle &operator=(const ThreadHandle &) = delete;
    tjhandle get() const { return m_handle; }
    /// A failed header read can leave the handle in a state that refuses every later picture.
    void reset()
    {
        if (m_handle)
            tjDestroy(m_handle);
        m_handle = tjInitDecompress();
    }

private:
    tjhandle m_handle = nullptr;
};

ThreadHandle &threadHandle()
{
    thread_local ThreadHandle handle;
    return handle;
}

tjhandle decoder()
{
    return threadHandle().get();
}

bool readHeader(tjhandle tj, const uchar *data, qsizetype size, int *w, int *h)
{
    if (!tj || !data || size <= 0 || size > qsizetype(0x7fffffff))
        return false;
    int subsamp = 0;
    int colorspace = 0;
    if (tjDecompressHeader3(tj, data, static_cast<unsigned long>(size), w, h, &subsamp,
                            &colorspace) != 0) {
        threadHandle().reset();
        return false;
    }
    // CMYK and YCCK need the toolkit's own conversion.
    return *w > 0 && *h > 0 && colorspace != TJCS_CMYK && colorspace != TJCS_YCCK;
}

bool turboDecode(const uchar *data, qsizetype size, uchar *dst, int stride, int w, int h,
                 bool bottomUp)
{
    tjhandle tj = decoder();
    int jw = 0;
    int jh = 0;
    if (!readHeader(tj, data, size, &jw, &jh) || jw != w || jh != h)
        return false;
    // No fast DCT or fast upsampling: the output must equal the toolkit's reader.
    const int flags = bottomUp ? TJFLAG_BOTTOMUP : 0;
    if (tjDecompress2(tj, data, static_cast<unsigned long>(size), dst, w, stride, h, TJPF_BGRX,
                      flags) == 0)
        return true;
    // Warnings (corrupt entropy data, a missing end) still produce a whole picture, as with
    // the toolkit's reader; only fatal errors refuse it.
    if (tjGetErrorCode(tj) == TJERR_WARNING)
        return true;
    threadHandle().reset();
    return false;
}

} // namespace

QSize JpegDecoder::headerSize(const uchar *data, qsizetype size)
{
    int w = 0;
    int h = 0;
    if (!readHeader(decoder(), data, size, &w, &h))
        return QSize();
    return QSize(w, h);
}

bool JpegDecoder::decodeInto(const uchar *data, qsizetype size, uchar *dst, int stride, int w,
                             int h, bool bottomUp)
{
    if (!dst || w <= 0 || h <= 0 || stride < w * 4)
        return false;
    if (turboDecode(data, size, dst, stride, w, h, bottomUp))
        return true;
    const QImage ref = decodeReference(data, size);
    if (ref.isNull() || ref.width() != w || ref.height() != h)
        return false;
    for (int y = 0; y < h; ++y)
        memcpy(dst + qptrdiff(stride) * (bottomUp ? h - 1 - y : y), ref.constScanLine(y),
               size_t(w) * 4);
    return true;
}

QImage JpegDecoder::decode(const uchar *data, qsizetype size)
{
    const QSize s = headerSize(data, size);
    if (s.isValid()) {
        QImage img(s, QImage::Format_RGB32);
        if (!img.isNull() &&
            turboDecode(data, size, img.bits(), img.bytesPerLine(), s.width(), s.height(), false))
            return img;
    }
    return decodeReference(data, size);
}

QImage JpegDecoder::decodeReference(const uchar *data, qsizetype size)
{
    if (!data || size <= 0 || size > qsizetype(0x7fffffff))
        return QImage();
    QImage img = QImage::fromData(data, int(size));
    if (!img.isNull() && img.format() != QImage::Format_RGB32)
        img = img.convertToFormat(QImage::Format_RGB32);
    return img;
}

#include "capture/CameraFrameGrabber.h"

#include "capture/CameraBuffer.h"
#include "capture/FrameEvent.h"
#include "capture/JpegDecoder.h"
#include "capture/PixelAdjust.h"

#include <QCoreApplication>
#include <QDebug>
#include <QImage>
#include <QMutexLocker>

#include <libyuv/convert_argb.h>
#include <libyuv/scale_argb.h>

#include <cstring>

namespace {

/// Frames whose rows would run past the mapped bytes are refused rather than read.
bool fitsMapping(const QVideoFrame &f, int plane, int rowBytes, int rows)
{
    const int bpl = f.bytesPerLine(plane);
    if (bpl < rowBytes || rows <= 0 || f.bits(plane) == nullptr)
        return false;
    const qint64 end = qint64(f.bits(plane) - f.bits(0)) + qint64(bpl) * (rows - 1) + rowBytes;
    return end <= f.mappedBytes();
}

/// Formats the toolkit maps as separate planes; their plane offsets are derived from the height.
bool isPlanar(QVideoFrame::PixelFormat format)
{
    switch (format) {
    case QVideoFrame::Format_YUV420P:
    case QVideoFrame::Format_YUV422P:
    case QVideoFrame::Format_YV12:
    case QVideoFrame::Format_NV12:
    case QVideoFrame::Format_NV21:
    case QVideoFrame::Format_IMC1:
    case QVideoFrame::Format_IMC2:
    case QVideoFrame::Format_IMC3:
    case QVideoFrame::Format_IMC4: return true;
    default: return false;
    }
}

/// Planar frames the toolkit cannot map: it divides by the chroma height, which is zero for a
/// frame without rows (and for a one-row 4:2:0 frame), and a negative size yields plane
/// pointers outside the bytes.
bool unmappable(const QVideoFrame &f)
{
    const QVideoFrame::PixelFormat format = f.pixelFormat();
    if (!isPlanar(format))
        return false;
    const bool halfHeightChroma =
        format == QVideoFrame::Format_YUV420P || format == QVideoFrame::Format_YV12;
    return f.width() <= 0 || f.height() < (halfHeightChroma ? 2 : 1);
}

/// Converts the uncompressed formats without a QImage equivalent (and the 32-bit orders)
/// with libyuv. Negative heights make libyuv store the rows bottom-up. False: not handled.
bool convertWithLibyuv(const QVideoFrame &f, uchar *dst, int stride, bool bottomUp)
{
    const int w = f.width();
    const int h = f.height();
    const int sh = bottomUp ? -h : h;
    const int cw = (w + 1) / 2;
    const int ch = (h + 1) / 2;
    // Packed 4:2:2 comes in pixel pairs: an odd last pixel still reads its whole pair.
    const int pairBytes = cw * 4;
    switch (f.pixelFormat()) {
    case QVideoFrame::Format_YUYV:
        return fitsMapping(f, 0, pairBytes, h) &&
               libyuv::YUY2ToARGB(f.bits(), f.bytesPerLine(), dst, stride, w, sh) == 0;
    case QVideoFrame::Format_UYVY:
        return fitsMapping(f, 0, pairBytes, h) &&
               libyuv::UYVYToARGB(f.bits(), f.bytesPerLine(), dst, stride, w, sh) == 0;
    case QVideoFrame::Format_NV12:
    case QVideoFrame::Format_NV21: {
        if (f.planeCount() < 2 || !fitsMapping(f, 0, w, h) || !fitsMapping(f, 1, cw * 2, ch))
            return false;
        const auto convert =
            f.pixelFormat() == QVideoFrame::Format_NV12 ? libyuv::NV12ToARGB : libyuv::NV21ToARGB;
        return convert(f.bits(0), f.bytesPerLine(0), f.bits(1), f.bytesPerLine(1), dst, stride, w,
                       sh) == 0;
    }
    case QVideoFrame::Format_YUV420P:
    case QVideoFrame::Format_YV12:
    case QVideoFrame::Format_YUV422P: {
        const bool is422 = f.pixelFormat() == QVideoFrame::Format_YUV422P;
        const int rowsUv = is422 ? h : ch;
        if (f.planeCount() < 3 || !fitsMapping(f, 0, w, h) || !fitsMapping(f, 1, cw, rowsUv) ||
            !fitsMapping(f, 2, cw, rowsUv))
            return false;
        // YV12 stores V before U.
        const int u = f.pixelFormat() == QVideoFrame::Format_YV12 ? 2 : 1;
        const int v = 3 - u;
        const auto convert = is422 ? libyuv::I422ToARGB : libyuv::I420ToARGB;
        return convert(f.bits(0), f.bytesPerLine(0), f.bits(u), f.bytesPerLine(u), f.bits(v),
                       f.bytesPerLine(v), dst, stride, w, sh) == 0;
    }
    case QVideoFrame::Format_BGRA32: // 0xBBGGRRAA: bytes A, R, G, B
    case QVideoFrame::Format_BGR32:
        return fitsMapping(f, 0, w * 4, h) &&
               libyuv::BGRAToARGB(f.bits(), f.bytesPerLine(), dst, stride, w, sh) == 0;
    case QVideoFrame::Format_ABGR32: // 0xAABBGGRR: bytes R, G, B, A
        return fitsMapping(f, 0, w * 4, h) &&
               libyuv::ABGRToARGB(f.bits(), f.bytesPerLine(), dst, stride, w, sh) == 0;
    default: return false;
    }
}

/// Any frame as a Format_RGB32 picture of its own size, or null.
QImage frameToImage(const QVideoFrame &f)
{
    const int w = f.width();
    const int h = f.height();
    if (f.pixelFormat() == QVideoFrame::Format_Jpeg)
        return JpegDecoder::decode(f.bits(), f.mappedBytes());
    const QImage::Format imageFormat = QVideoFrame::imageFormatFromPixelFormat(f.pixelFormat());
    if (imageFormat != QImage::Format_Invalid) {
        // Wrapping reads nothing yet. The toolkit converts whole stored pixels, so a row's bytes
        // come from the picture's depth: the colour bits of a format leave out its padding
        // (RGB555 counts 15 of its 16 bits), and rows measured by them end short.
        const QImage wrapped(f.bits(), w, h, f.bytesPerLine(), imageFormat);
        if (wrapped.isNull())
            return QImage();
        const int rowBytes = (w * wrapped.depth() + 7) / 8;
        if (!fitsMapping(f, 0, rowBytes, h))
            return QImage();
        // The toolkit's converters read whole 16- and 32-bit pixels: rows that do not start on
        // a 4-byte boundary are copied into an aligned picture first.
        if ((quintptr(f.bits()) | quintptr(f.bytesPerLine())) % 4 != 0) {
            QImage aligned(w, h, imageFormat);
            if (aligned.isNull())
                return QImage();
            for (int y = 0; y < h; ++y)
                memcpy(aligned.scanLine(y), f.bits() + qptrdiff(f.bytesPerLine()) * y,
                       size_t(rowBytes));
            return imageFormat == QImage::Format_RGB32
                       ? aligned
                       : aligned.convertToFormat(QImage::Format_RGB32);
        }
        // convertToFormat() shares a picture that already has the format: copy it then.
        return imageFormat == QImage::Format_RGB32 ? wrapped.copy()
                                                   : wrapped.convertToFormat(QImage::Format_RGB32);
    }
    if (w > 0 && h > 0) {
        QImage img(w, h, QImage::Format_RGB32);
        if (!img.isNull() && convertWithLibyuv(f, img.bits(), img.bytesPerLine(), false))
            return img;
    }
    // Last resort: whatever the toolkit's readers recognise in the bytes.
    return JpegDecoder::decodeReference(f.bits(), f.mappedBytes());
}

/// libyuv's quarter-size box shortcut is taken whenever the width shrinks exactly 4x and the
/// height by an even whole factor, but it assumes the height shrinks 4x too: a one-row or tiny
/// target (8x6 into 2x1, say) trips it. Bilinear takes the general path for those sizes.
libyuv::FilterMode fitFilter(const QSize &from, const QSize &to)
{
    const bool quarterWidth = from.width() == 4 * to.width();
    const bool quarterHeight = from.height() == 4 * to.height();
    return quarterWidth && !quarterHeight ? libyuv::kFilterBilinear : libyuv::kFilterBox;
}

/// Fits a picture of another size into the buffer's size, keeping its aspect ratio (black
/// borders when it differs), so measurements on it stay undistorted.
QImage fitToSize(const QImage &img, int w, int h)
{
    const QSize scaled = img.size().scaled(w, h, Qt::KeepAspectRatio);
    if (scaled.isEmpty())
        return QImage();
    QImage out(w, h, QImage::Format_RGB32);
    if (out.isNull())
        return out;
    out.fill(Qt::black);
    const int x = (w - scaled.width()) / 2;
    const int y = (h - scaled.height()) / 2;
    libyuv::ARGBScale(img.constBits(), img.bytesPerLine(), img.width(), img.height(),
                      out.bits() + qptrdiff(y) * out.bytesPerLine() + x * 4, out.bytesPerLine(),
                      scaled.width(), scaled.height(), fitFilter(img.size(), scaled));
    return out;
}

} // namespace

CameraFrameGrabber::CameraFrameGrabber(QObject *parent, const QString &camId, int brightness,
                                       int gamma)
    : QAbstractVideoSurface(parent)
    , m_camId(camId)
    , m_brightness(brightness)
    , m_gamma(gamma)
{}

CameraFrameGrabber::~CameraFrameGrabber() = default;

QList<QVideoFrame::PixelFormat>
CameraFrameGrabber::supportedPixelFormats(QAbstractVideoBuffer::HandleType type) const
{
    Q_UNUSED(type)
    // Everything from ARGB32 to AdobeDng; the service picks the format it opens the camera with.
    QList<QVideoFrame::PixelFormat> formats;
    for (int f = QVideoFrame::Format_ARGB32; f <= QVideoFrame::Format_AdobeDng; ++f)
        formats.append(static_cast<QVideoFrame::PixelFormat>(f));
    return formats;
}

void CameraFrameGrabber::setBuffer(std::shared_ptr<CameraBuffer> buffer)
{
    QMutexLocker lock(&m_bufferMutex);
    m_buffer.swap(buffer);
    // The old buffer is released outside the lock (when `buffer` goes out of scope).
    lock.unlock();
}

std::shared_ptr<CameraBuffer> CameraFrameGrabber::buffer() const
{
    QMutexLocker lock(&m_bufferMutex);
    return m_buffer;
}

void CameraFrameGrabber::setResver(bool horizontal, bool vertical)
{
    m_hflip.store(horizontal, std::memory_order_relaxed);
    m_vflip.store(vertical, std::memory_order_relaxed);
}

void CameraFrameGrabber::resverFlag(bool &horizontal, bool &vertical) const
{
    horizontal = m_hflip.load(std::memory_order_relaxed);
    vertical = m_vflip.load(std::memory_order_relaxed);
}

bool CameraFrameGrabber::present(const QVideoFrame &frame)
{
    if (!frame.isValid())
        return false;
    // Our own reference keeps the buffer alive even if the camera is forgotten meanwhile.
    const std::shared_ptr<CameraBuffer> buffer = this->buffer();
    if (!buffer)
        return false;
    // Settings are read once per frame.
    const bool hflip = m_hflip.load(std::memory_order_relaxed);
    const bool vflip = m_vflip.load(std::memory_order_relaxed);
    const PixelAdjust adjust(gamma(), brightness());
    if (unmappable(frame))
        return false;
    QVideoFrame mapped(frame);
    if (!mapped.map(QAbstractVideoBuffer::ReadOnly))
        return false;

    // Written outside the lock into the buffer's second block; the lock is taken only to swap.
    bool stored = false;
    if (CameraBuffer::BackBuffer back = buffer->beginWrite()) {
        StripScaler *view = m_viewScaler.start(back.size(), back.viewSize(), back.viewData(),
                                               back.viewBytesPerLine())
                                ? &m_viewScaler
                                : nullptr;
        stored = writeFrame(mapped, back, hflip, vflip, adjust, view);
        // Whatever the strips did not scale (frames of other formats, frames stored bottom-up)
        // is scaled from the whole frame now, still off the GUI thread.
        if (stored && view)
            view->rowsPlaced(back.data(), back.bytesPerLine(), back.height());
        back.setViewWritten(stored && view && view->finished());
        stored = stored && buffer->commitWrite(back);
    }
    mapped.unmap();

    if (!stored)
        return false;
    QObject *receiver = m_receiver.load();
    if (receiver && buffer->claimNotification())
        QCoreApplication::postEvent(receiver, new FrameEvent(m_camId));
    return true;
}

bool CameraFrameGrabber::writeFrame(const QVideoFrame &f, CameraBuffer::BackBuffer &back,
                                    bool hflip, bool vflip, const PixelAdjust &adjust,
                                    StripScaler *view)
{
    uchar *dst = back.data();
    const int width = back.width();
    const int height = back.height();
    const int stride = back.bytesPerLine();
    const QVideoFrame::PixelFormat format = f.pixelFormat();
    const bool sameSize = f.width() == width && f.height() == height;

    // Fast paths: the frame already has the buffer's size.
    if (sameSize && (format == QVideoFrame::Format_RGB32 || format == QVideoFrame::Format_ARGB32) &&
        fitsMapping(f, 0, width * 4, height)) {
        // ARGB32 is converted to RGB32 by making it opaque, as the toolkit does.
        adjust.copy(f.bits(), f.bytesPerLine(), dst, stride, width, height, hflip, vflip,
                    format == QVideoFrame::Format_ARGB32);
        return true;
    }
    if (format == QVideoFrame::Format_Jpeg &&
        JpegDecoder::headerSize(f.bits(), f.mappedBytes()) == QSize(width, height)) {
        // Strips arrive in picture order: the rows placed so far are those above the strip's
        // end. A frame stored bottom-up fills the buffer from the end, so it is scaled once
        // whole. A decode that falls back to the toolkit's reader starts again from the top.
        StripScaler *strips = vflip ? nullptr : view;
        const auto placed = [strips, dst, stride](int first, int count) {
            if (!strips)
                return;
            if (first == 0)
                strips->restart();
            strips->rowsPlaced(dst, stride, first + count);
        };
        if (!hflip && !adjust.hasTable() && !strips) {
            // Straight into the buffer, bottom-up for a vertical flip.
            return JpegDecoder::decodeInto(f.bits(), f.mappedBytes(), dst, stride, width, height,
                                           vflip);
        }
        if (!hflip || !adjust.hasTable()) {
            // The same, each strip adjusted or mirrored in place (and scaled for the view) while
            // it is still in cache: the buffer is written while the decoder works, not in bursts
            // between its strips.
            const bool inPlace = hflip || adjust.hasTable();
            return JpegDecoder::decodeInto(
                f.bits(), f.mappedBytes(), dst, stride, width, height, vflip,
                [&](uchar *rows, int rowStride, int first, int count) {
                    if (inPlace)
                        adjust.applyInPlace(rows, rowStride, width, count, hflip, true);
                    placed(first, count);
                });
        }
        // Mirrored and adjusted: 24-bit strips through a small buffer that stays in cache,
        // each mirrored, adjusted and widened on its way into the buffer. In place, the
        // mirror needs a copy of every row and measured slower.
        return JpegDecoder::decodeStrips(
            f.bits(), f.mappedBytes(), width, height,
            [&](const uchar *rows, int rowStride, int first, int count) {
                const int to = vflip ? height - first - count : first;
                adjust.copyFrom24(rows, rowStride, dst + qptrdiff(stride) * to, stride, width,
                                  count, hflip, vflip);
                placed(first, count);
            },
            JpegDecoder::Bgr);
    }
    if (sameSize && convertWithLibyuv(f, dst, stride, vflip)) {
        adjust.applyInPlace(dst, stride, width, height, hflip);
        return true;
    }

    // Everything else: a picture of its own, fitted to the buffer when its size differs.
    QImage img = frameToImage(f);
    if (img.isNull())
        return false;
    if (img.size() != QSize(width, height)) {
        img = fitToSize(img, width, height);
        if (img.isNull())
            return false;
    }
    adjust.copy(img.constBits(), img.bytesPerLine(), dst, stride, width, height, hflip, vflip);
    return true;
}

void CameraFrameGrabber::processPixels(const uchar *src, uchar *dst, int width, int height,
                                       bool horizontal, bool vertical)
{
    PixelAdjust::processPixels(src, dst, width, height, horizontal, vertical);
}

void CameraFrameGrabber::processGamma(uchar *pixels, int width, int height) const
{
    PixelAdjust::processGamma(pixels, width, height, gamma());
}

void CameraFrameGrabber::processBright(uchar *pixels, int width, int height) const
{
    PixelAdjust::processBright(pixels, width, height, brightness());
}

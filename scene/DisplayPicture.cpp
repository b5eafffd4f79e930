#include "scene/DisplayPicture.h"

#include <libyuv/scale_argb.h>

#include <atomic>

namespace {

std::atomic<bool> g_enabled{true};

bool is32Bit(QImage::Format f)
{
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

void ensure(QImage &image, QSize size, QImage::Format format)
{
    if (image.size() != size || image.format() != format)
        image = QImage(size, format);
}

void scaleStep(const QImage &from, QImage &to)
{
    libyuv::ARGBScale(from.constBits(), from.bytesPerLine(), from.width(), from.height(), to.bits(),
                      to.bytesPerLine(), to.width(), to.height(), libyuv::kFilterBox);
}

} // namespace

bool DisplayPicture::wanted(const QImage &picture, QSize view)
{
    return g_enabled.load(std::memory_order_relaxed) && !picture.isNull() && !view.isEmpty() &&
           view != picture.size() && qint64(view.width()) * view.height() <= MaxViewPixels &&
           is32Bit(picture.format());
}

void DisplayPicture::setEnabled(bool enabled)
{
    g_enabled.store(enabled, std::memory_order_relaxed);
}

QImage DisplayPicture::scaled(const QImage &picture, QSize size)
{
    QImage out;
    QImage half[2];
    if (!picture.isNull() && !size.isEmpty() && is32Bit(picture.format())) {
        ensure(out, size, picture.format());
        scaleInto(picture, out, half);
    }
    return out;
}

const QImage &DisplayPicture::image(const QImage &picture, QSize size)
{
    if (!m_valid || m_image.size() != size || m_image.format() != picture.format()) {
        ensure(m_image, size, picture.format());
        scaleInto(picture, m_image, m_half);
        m_valid = true;
    }
    return m_image;
}

void DisplayPicture::clear()
{
    m_image = QImage();
    m_half[0] = QImage();
    m_half[1] = QImage();
    m_valid = false;
}

void DisplayPicture::scaleInto(const QImage &picture, QImage &out, QImage *half)
{
    // libyuv averages 2 x 2 pixels for an exact halving; at other factors its filter samples
    // 2 x 2 neighbours, which would skip rows and columns beyond a factor of 2.
    const QImage *source = &picture;
    int next = 0;
    while (source->width() >= 2 * out.width() && source->height() >= 2 * out.height() &&
           source->width() >= 4 && source->height() >= 4) {
        const QSize halfSize(source->width() / 2, source->height() / 2);
        if (halfSize == out.size())
            break;
        QImage &h = half[next];
        next = 1 - next;
        ensure(h, halfSize, picture.format());
        scaleStep(*source, h);
        source = &h;
    }
    scaleStep(*source, out);
}

#include "scene/DisplayPicture.h"

#include "capture/PixelKernels.h"
#include "capture/StripScaler.h"

#include <libyuv/scale_argb.h>

#include <algorithm>
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

/// 2 x 2 averages; an odd last column or row is left out, so libyuv takes its exact halving.
void halve(const QImage &from, QImage &to)
{
    libyuv::ARGBScale(from.constBits(), from.bytesPerLine(), 2 * to.width(), 2 * to.height(),
                      to.bits(), to.bytesPerLine(), to.width(), to.height(), libyuv::kFilterBox);
}

const PixelKernels::Row &undarkenRow()
{
    static const PixelKernels::Row row = PixelKernels::row();
    return row;
}

/// The final step, which filters at a factor that is not exactly 2.
void filteredStep(const QImage &from, QImage &to, bool undarken)
{
    scaleStep(from, to);
    if (!undarken)
        return;
    for (int y = 0; y < to.height(); ++y) {
        uchar *line = to.scanLine(y);
        undarkenRow()(line, line, to.width(), StripScaler::undarkenTable(), false, 0);
    }
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
        scaleInto(picture, out, half, nullptr);
    }
    return out;
}

const QImage &DisplayPicture::image(const QImage &picture, QSize size, const QImage &prepared)
{
    if (m_valid && m_image.size() == size && m_image.format() == picture.format())
        return m_image;
    if (!prepared.isNull() && prepared.size() == size && prepared.format() == picture.format()) {
        m_image = prepared; // shown as it came
        m_adopted = true;
    } else {
        if (m_adopted)
            m_image = QImage(); // a prepared picture is read-only: scale into memory of our own
        m_adopted = false;
        ensure(m_image, size, picture.format());
        scaleInto(picture, m_image, m_half, &m_filter);
    }
    m_valid = true;
    return m_image;
}

void DisplayPicture::clear()
{
    m_image = QImage();
    m_adopted = false;
    m_half[0] = QImage();
    m_half[1] = QImage();
    m_valid = false;
}

void DisplayPicture::scaleInto(const QImage &picture, QImage &out, QImage *half,
                               FilterCheck *filter)
{
    // The grabber's StripScaler takes the same steps, so a frame it scaled looks the same.
    const QImage *source = &picture;
    int next = 0;
    for (QSize halfSize = StripScaler::nextHalf(picture.size(), out.size()); !halfSize.isEmpty();
         halfSize = StripScaler::nextHalf(halfSize, out.size())) {
        QImage &h = half[next];
        next = 1 - next;
        ensure(h, halfSize, picture.format());
        halve(*source, h);
        source = &h;
    }
    if (StripScaler::isHalf(source->size(), out.size())) {
        halve(*source, out);
        return;
    }
    if (filter && filter->from == source->size() && filter->to == out.size()) {
        filteredStep(*source, out, filter->darkens);
        return;
    }
    // libyuv's column filters darken between some sizes (StripScaler::filterDarkens()).
    const bool darkens = StripScaler::filterDarkens(source->size(), out.size());
    if (filter)
        *filter = FilterCheck{source->size(), out.size(), darkens};
    filteredStep(*source, out, darkens);
}

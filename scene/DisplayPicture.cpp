#include "scene/DisplayPicture.h"

#include "capture/PixelKernels.h"

#include <libyuv/scale_argb.h>

#include <algorithm>
#include <array>
#include <cmath>

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

/// Some of libyuv's SIMD column filters weigh two neighbours by 7-bit fractions that add up to
/// 127 rather than 128, so the picture comes out darker by 1/128 (white turns 253, a flat grey
/// of 128 turns 127). Which filter runs depends on the two sizes, so each pair is tried once on
/// a white picture; a darkening one is undone by this table (exact for black, white and most
/// values, one level off for two of them).
const PixelKernels::Row &undarkenRow()
{
    static const PixelKernels::Row row = PixelKernels::row();
    return row;
}

const uchar *undarkenTable()
{
    static const auto table = [] {
        std::array<uchar, 256> t{};
        for (int v = 0; v < 256; ++v)
            t[size_t(v)] = uchar(std::min(255, int(std::lround(v * 128.0 / 127.0))));
        return t;
    }();
    return table.data();
}

/// The final step, which filters at a factor that is not exactly 2.
void filteredStep(const QImage &from, QImage &to, bool undarken)
{
    scaleStep(from, to);
    if (!undarken)
        return;
    for (int y = 0; y < to.height(); ++y) {
        uchar *line = to.scanLine(y);
        undarkenRow()(line, line, to.width(), undarkenTable(), false, 0);
    }
}

} // namespace

bool DisplayPicture::wanted(const QImage &picture, QSize view)
{
    return g_enabled.load(std::memory_order_relaxed) && !picture.isNull() && !view.isEmpty() &&
           view != picture.size() && qint64(view.width()) * view.height() <= MaxViewPixels &&
           is32Bit(picture.format());
}

bool DisplayPicture::startsWithHalf(QSize picture, QSize view)
{
    return g_enabled.load(std::memory_order_relaxed) && !view.isEmpty() &&
           qint64(view.width()) * view.height() <= MaxViewPixels &&
           picture.width() >= 2 * view.width() && picture.height() >= 2 * view.height() &&
           picture.width() >= 4 && picture.height() >= 4;
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

const QImage &DisplayPicture::image(const QImage &picture, QSize size, const QImage &half)
{
    if (m_valid && m_image.size() == size && m_image.format() == picture.format())
        return m_image;
    const bool useHalf = !half.isNull() && half.size() == picture.size() / 2 &&
                         half.format() == picture.format() && startsWithHalf(picture.size(), size);
    if (useHalf && half.size() == size) {
        m_image = half; // the view is exactly half the picture: shown as it came
        m_adopted = true;
    } else {
        if (m_adopted)
            m_image = QImage(); // a given half is read-only: scale into memory of our own
        m_adopted = false;
        ensure(m_image, size, picture.format());
        scaleInto(picture, m_image, m_half, &m_filter, useHalf ? &half : nullptr);
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
                               FilterCheck *filter, const QImage *given)
{
    // libyuv averages 2 x 2 pixels for an exact halving; at other factors its filter samples
    // 2 x 2 neighbours, which would skip rows and columns beyond a factor of 2.
    const QImage *source = given ? given : &picture;
    int next = 0;
    while (source->width() >= 2 * out.width() && source->height() >= 2 * out.height() &&
           source->width() >= 4 && source->height() >= 4) {
        const QSize halfSize(source->width() / 2, source->height() / 2);
        if (halfSize == out.size())
            break;
        QImage &h = half[next];
        next = 1 - next;
        ensure(h, halfSize, picture.format());
        halve(*source, h);
        source = &h;
    }
    if (source->width() / 2 == out.width() && source->height() / 2 == out.height()) {
        halve(*source, out);
        return;
    }
    if (filter && filter->from == source->size() && filter->to == out.size()) {
        filteredStep(*source, out, filter->darkens);
        return;
    }
    QImage white(source->size(), QImage::Format_RGB32);
    white.fill(0xffffffffu);
    scaleStep(white, out);
    const bool darkens = qRed(out.pixel(out.width() / 2, out.height() / 2)) != 255;
    if (filter)
        *filter = FilterCheck{source->size(), out.size(), darkens};
    filteredStep(*source, out, darkens);
}

#pragma once

#include <QImage>
#include <QSize>

/// The live picture as the viewer shows it: scaled to the view's size with a filter, once per
/// frame, so a fitted or zoomed-out view shows every fine line instead of the rows and columns
/// that nearest-pixel sampling happens to hit (a stage micrometer's lines shimmered).
///
/// Shrinking halves the picture with 2 x 2 averages while it is at least twice the view, then
/// finishes with a bilinear step, so every source pixel counts. Enlarging is bilinear. Views
/// larger than a screen (deep zoom inside a scroll area) are left to the painter, which scales
/// only the visible part. Only the display uses this: measurements, capture and recording read
/// the full picture. GUI thread only.
class DisplayPicture final
{
public:
    /// Views up to this many pixels are drawn from a scaled copy.
    static constexpr qint64 MaxViewPixels = qint64(3840) * 2160;

    /// True when a view of `view` pixels showing a `picture` is drawn from a scaled copy: the
    /// sizes differ, the view is at most MaxViewPixels and the format has 32-bit pixels.
    /// Benchmarks switch the scaled copy off with setEnabled(false) to compare with the
    /// painter's nearest-pixel scaling.
    static bool wanted(const QImage &picture, QSize view);
    /// The picture scaled to `size` (same format); null for an empty size or picture.
    static QImage scaled(const QImage &picture, QSize size);
    static void setEnabled(bool enabled);

    /// A new frame: the next image() scales again.
    void invalidate() { m_valid = false; }
    /// The picture scaled to `size`; made only when the frame or the size changed since the
    /// last call. The picture must be the one shown since the last invalidate(). `prepared`,
    /// when given, is the picture already scaled to `size` (by the camera's grabber) and is
    /// shown as it is; one of another size is ignored.
    const QImage &image(const QImage &picture, QSize size, const QImage &prepared = QImage());
    /// Drops the scaled copy and its memory.
    void clear();

private:
    /// Whether libyuv's final filter step between two sizes darkens (see the .cpp).
    struct FilterCheck
    {
        QSize from;
        QSize to;
        bool darkens = false;
    };

    QImage m_image;
    QImage m_half[2];     // intermediate halvings, kept between frames
    FilterCheck m_filter; // checked once per pair of sizes
    bool m_valid = false;
    bool m_adopted = false; // m_image is a prepared picture, not our own memory

    static void scaleInto(const QImage &picture, QImage &out, QImage *half, FilterCheck *filter);
};

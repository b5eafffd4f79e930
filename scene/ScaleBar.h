#pragma once

#include "config/Preferences.h"

#include <QRect>
#include <QString>

class BDInfo;
class QPainter;

/// A calibrated scale bar: a round length (1, 2 or 5 times a power of ten, in the calibration's
/// unit) drawn as a white bar with a dark outline and its length written above it.
///
/// Everything is in picture pixels and sized from the picture, not from a view, so the bar looks
/// the same on screen (scaled with the zoom) and in every stored picture or video frame. A plain
/// value; any thread.
class ScaleBar
{
public:
    /// The largest 1-2-5 value (..., 0.5, 1, 2, 5, 10, 20, ...) not above `limit`; 0 for a limit
    /// that is not finite and above zero.
    static double roundLength(double limit);

    /// The bar for a picture `pictureWidth` pixels wide measured with `calibration`: the largest
    /// round length whose bar spans at most a fifth of the width. Null for "px", an unknown unit
    /// or a length per pixel that is not finite and above zero.
    static ScaleBar forPicture(const BDInfo &calibration, int pictureWidth);

    bool isNull() const { return m_pixels <= 0.0; }
    /// Length in the calibration's unit.
    double length() const { return m_length; }
    /// Length in picture pixels.
    double pixels() const { return m_pixels; }
    /// The text above the bar, such as "100 µm".
    QString label() const;

    /// The label's font pixel size for a picture of this size; thickness, outline and margin
    /// follow from it.
    static int fontPixelSize(QSize picture);
    /// Where bar and label go in a picture of size `picture`. In the bottom-right corner the bar
    /// keeps at least DateTimeRoom picture pixels above the bottom edge, where the date and time
    /// are stamped, so every picture of one size and scale gets its bar at the same place: a
    /// stored picture opened in the editor shows its own bar exactly under the editor's.
    /// `screenLift` raises it further (a view that shows the stamp larger than the picture does).
    QRect area(QSize picture, Preferences::Corner corner, int screenLift = 0) const;
    /// Paints bar and label; the painter maps picture pixels to its device.
    void paint(QPainter *painter, QSize picture, Preferences::Corner corner,
               int screenLift = 0) const;

    static constexpr int DateTimeRoom = 28;

private:
    double m_length = 0.0;
    double m_pixels = 0.0;
    int m_unit = -1;
};

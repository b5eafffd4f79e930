#pragma once

#include <QColor>
#include <QImage>
#include <QPair>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

struct DeviceProfile;

// Pure computations of the main window's live view: the zoom table, the viewer size, the
// four-view layout, the resolution texts and the frame rate.

/// The zoom box's first entry in the language in force: it fits the picture into the page.
/// The zoom table knows that entry by the key "Scale" whatever it shows.
QString fitZoomText();

/// Factor of a zoom-box entry ("0.5x" … "10.0x"); "Scale" and unknown texts count as 1.
double zoomFactor(const QString &text);
/// True for the entry that fits the picture into the page.
bool isFitZoom(const QString &text);
/// The viewer size for a picture at a factor, each side rounded half away from zero.
QSize zoomedViewSize(QSize picture, double factor);
/// The picture fitted into the page, aspect ratio kept (integer scaling).
QSize fitViewSize(QSize picture, QSize page);

/// Tile `index` (0…3) of the four-view page of size `page`: a 2 x 2 grid with 3-pixel gaps.
QRect fourViewRect(QSize page, int index);

/// "%d x %d", as the resolution box lists a size.
QString resolutionText(int width, int height);
/// Splits "W x H" at "x" (empty parts dropped, blanks ignored); false unless exactly two
/// decimal numbers remain.
bool parseResolution(const QString &text, int *width, int *height);

/// Where the resolution box starts for a camera without stored settings: the profile's default
/// index when the camera offers that many sizes; otherwise the offered size closest in pixel
/// count to the profile's intended default, or the largest when the profile names none.
int startResolutionIndex(const QVector<QPair<int, int>> &offered, int defaultIndex,
                         const DeviceProfile *profile);

/// Frames per second over the given arrival times (ms): count / span; 0 with fewer than three.
double frameRate(const QVector<qint64> &times);

/// The picture a live frame is shown as: with black-and-white on, the frame's grey values
/// (the toolkit's grey conversion) kept in the frame's 32-bit layout, so that switching it does
/// not count as a picture of another size and the measurements stay.
QImage liveFramePicture(const QImage &frame, bool blackWhite);

/// The status line under the view: the frame rate, and on the single view also the cursor's
/// position (display units) and the colour under it. Translated in the window's context.
QString statusLineText(bool fourView, double rate, QPoint point, const QColor &colour);

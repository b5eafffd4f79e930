#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// Geometry of a capture and of a printed page: pure functions the main window calls.

/// The part of a picture of size `source` that a centred zoom by `scale` shows: width and
/// height divided by the factor (truncated), centred on the picture's centre. Larger than the
/// source for factors below 1. A factor of 0 or less counts as 1.
QRect zoomCropRect(QSize source, double scale);

/// The stored picture for a zoom factor: the centred crop (outside the source filled with
/// black) scaled back to the source size, aspect ratio kept, smoothly. A factor of 1 returns
/// the source unchanged.
QImage cropToZoom(const QImage &source, double scale);

/// How many source pixels one pixel of the stored picture covers, along a row: the crop's
/// width over the stored picture's (0.5 at a zoom of 2).
double capturePixelSpan(QSize source, double scale);

/// Where a picture of size `picture` goes on a page whose painter viewport is `viewport`:
/// fitted into the viewport less 20 pixels, aspect ratio kept, centred.
QRect printTargetRect(QSize picture, QRect viewport);

/// The tile of the four-view page (0…3) that receives a capture, given the checked tile (-1
/// for none): the checked one, or tile 1 when none is checked or the live tile 0 is. The
/// following capture goes to fourViewNextTile() of it: 1 → 2 → 3 → 1.
int fourViewCaptureTile(int checked);
int fourViewNextTile(int tile);

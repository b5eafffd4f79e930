#pragma once

#include <QByteArray>
#include <QImage>
#include <QVideoFrame>

/// Synthetic camera frames for the capture tests and benchmarks.
namespace JpegTestData {

/// A picture with gradients, edges and sensor-like noise (Format_RGB32), reproducible by seed.
QImage cameraPicture(int width, int height, quint32 seed = 1);
/// Encodes a Format_RGB32 picture with TurboJPEG; `subsamp` is a TJSAMP_* value (TJSAMP_GRAY
/// gives a greyscale JPEG). Empty on failure.
QByteArray encode(const QImage &picture, int subsamp, int quality = 85, bool progressive = false);
/// The same in CMYK (an Adobe-style YCCK JPEG), which only the toolkit's reader converts.
QByteArray encodeCmyk(const QImage &picture, int quality = 85);
/// A Format_Jpeg video frame over the bytes, as a camera delivers MJPG.
QVideoFrame jpegFrame(const QByteArray &jpeg, const QSize &size);

} // namespace JpegTestData

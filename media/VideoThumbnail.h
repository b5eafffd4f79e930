#pragma once

#include <QImage>
#include <QString>

extern "C" {
#include <libavutil/pixfmt.h>
}

struct AVFrame;

// The first picture of a stored video, for the video browser's thumbnails.
//
// Pure functions with no shared state: they may run on any thread, several at once (the
// browsers call them from their thumbnail workers). A decode takes tens of milliseconds, so
// never call them on the GUI thread for a whole folder.

/// The first decodable picture of the video at path as an RGB32 picture, or a null picture
/// when the file does not open, holds no video stream with a working decoder, yields no
/// picture, decodes to a pixel format outside the conversion table, or is too large to
/// allocate. Only packets of the chosen stream (the last video stream whose decoder opens) are
/// decoded; the decoder is drained when the packets run out.
QImage videoThumbnail(const QString &path);

/// Converts a decoded frame of pixel format `format` into `picture`, which the caller has
/// allocated (RGB32/ARGB32 count as 32-bit, anything else as 24-bit RGB888). Converts the part
/// both have in common when their sizes differ. Returns false, leaving the picture untouched,
/// for formats other than YUV420P, YUVJ420P and YUVJ422P and for frames without planes.
bool AVFrameToImage(AVFrame *frame, AVPixelFormat format, QImage &picture);

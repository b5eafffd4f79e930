#pragma once

#include <QImage>
#include <QSize>
#include <QString>

/// What writeTestVideo() puts into a file.
struct TestVideo
{
    QSize size{320, 240};
    int frames = 12;
    int fps = 25;
    /// Every frame shows this picture scaled to size (a test pattern when null).
    QImage picture;
    /// An AAC stream of silence as stream 0, before the video stream.
    bool audioFirst = false;
    /// Only the audio stream.
    bool audioOnly = false;
    /// x264 preset; the default one reorders pictures, so the decoder holds the first back.
    const char *preset = "medium";
};

/// Encodes a test video with the FFmpeg libraries (H.264 in the container the suffix names).
/// Returns false when any step fails.
bool writeTestVideo(const QString &path, const TestVideo &video);

/// Four coloured quadrants: red, green, blue, white (top-left, top-right, bottom-left,
/// bottom-right).
QImage quadrantPicture(QSize size);

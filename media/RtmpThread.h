#pragma once

#include <QImage>
#include <QString>
#include <QThread>

/// The recorder thread: encodes rendered frames of the live view into an H.264 video.
class RtmpThread : public QThread
{
    Q_OBJECT

public:
    explicit RtmpThread(QObject *parent = nullptr);
    ~RtmpThread() override;

    /// One-time registration of the media libraries, before any other FFmpeg call.
    static void init();

public:
    /// The first picture of a stored video, or a null picture (see media/VideoThumbnail.h).
    static QImage preview(const QString &path);
};

#pragma once

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
};

#pragma once

#include "virtualscope/ScopeProcessing.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QVector>
#include <QVideoFrame>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

class QAbstractVideoSurface;

/// The frame pump of one virtual camera: a worker thread that presents pre-rendered frames
/// to the video surface at the camera's pace. Frames come from a small ring built once per
/// size, format, content and processing, so the per-frame cost is a pointer hand-over.
class FrameStream final
{
public:
    FrameStream() = default;
    ~FrameStream();
    FrameStream(const FrameStream &) = delete;
    FrameStream &operator=(const FrameStream &) = delete;

    /// The surface must already be started with this size and format.
    void start(QAbstractVideoSurface *surface, const QByteArray &deviceId, const QSize &size,
               QVideoFrame::PixelFormat format);
    /// Returns once the worker has left the surface alone.
    void stop();
    bool isRunning() const { return m_thread.joinable(); }

    void setProcessing(const ScopeProcessing &processing);

    /// Frames per second the camera delivers at a size.
    static int framesPerSecond(const QSize &size);

private:
    void run();
    void rebuildIfStale();
    QVideoFrame frameAt(int index);

    QAbstractVideoSurface *m_surface = nullptr;
    QByteArray m_deviceId;
    QSize m_size;
    QVideoFrame::PixelFormat m_format = QVideoFrame::Format_Invalid;

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    ScopeProcessing m_processing;
    int m_processingGeneration = 0;

    // Worker-only state.
    int m_builtContent = -1;
    int m_builtProcessing = -1;
    QImage m_canvas;
    QImage m_processed;
    int m_margin = 0;
    int m_ringSize = 1;
    QVector<QImage> m_images;
    QVector<QByteArray> m_jpegs;
    ScopeProcessing m_ringProcessing;
};

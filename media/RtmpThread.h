#pragma once

#include <QImage>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QVector>

#include <atomic>

class CameraBuffer;

/// The recorder thread: encodes rendered frames of the live view into an H.264 video.
///
/// The GUI thread sets the output path, size and frame rate, calls startRecord(), hands each
/// rendered frame over with writeVideo() and ends with waitFinish() (queued frames are still
/// encoded) or stopRecord() (they are dropped). Frames travel as claimed CameraBuffers and are
/// never owned here: the worker releases each one right after converting it, and every frame it
/// does not encode (queue full, not later than the previous, wrong size, recording over) is
/// released too. The queue holds at most ten frames under one mutex, taken only to append, to
/// pop or to read the length; conversion and encoding run outside it.
///
/// The worker ends by itself only on a failure (encoder, file, header, a write error such as a
/// full disk); finished() is emitted either way, and failed()/errorText()/hasVideo() tell the
/// window what happened. The destructor stops a running recording properly (drained, trailer
/// written); it waits only for that, never for more frames.
class RtmpThread : public QThread
{
    Q_OBJECT

public:
    explicit RtmpThread(QObject *parent = nullptr);
    ~RtmpThread() override;

    // Set while idle, before startRecord().
    void setOutputPath(const QString &path) { m_outPath = path; }
    QString outputPath() const { return m_outPath; }
    void setSize(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setFrameRate(int fps) { m_fps = fps; }
    int frameRate() const { return m_fps; }
    /// The x264 preset; empty (the default) chooses it by pixel rate (recordPreset()).
    void setPreset(const QString &preset) { m_presetOverride = preset; }
    /// The preset of the current or last recording.
    QString preset() const { return m_preset; }

    /// Starts a recording: clears what a previous run left, starts the worker at time-critical
    /// priority.
    void startRecord();
    /// Queues a claimed frame captured `ms` milliseconds into the recording. A frame that is
    /// refused (ten already queued, no recording running) is released at once; returns false.
    bool writeVideo(int ms, CameraBuffer *frame);
    /// Lets the worker encode what is queued, for at most `limitMs` (0: one hour), then ends
    /// the recording and waits for the trailer.
    void waitFinish(int limitMs);
    /// Ends the recording at once: queued frames are released unencoded.
    void stopRecord();
    /// True when no frame is queued.
    bool isFinish() const;
    /// Releases every queued frame and empties the queue.
    void clearCamBuffer();
    /// Milliseconds since the encoder became ready; 0 before (and for a run that failed).
    int recordTime() const;

    // Outcome of the current or last run; read after finished().
    bool failed() const { return m_failed.load(); }
    QString errorText() const;
    /// The file was closed, read back and kept: a picture decodes from it.
    bool hasVideo() const { return m_hasVideo.load(); }
    int framesQueued() const { return m_framesQueued.load(); }
    int framesEncoded() const { return m_framesEncoded.load(); }
    int framesDropped() const { return m_framesDropped.load(); }

protected:
    void run() override;

private:
    CameraBuffer *popFrame(int *ms);
    void setError(const QString &text);

    QString m_outPath;
    int m_width = 1280;
    int m_height = 720;
    int m_fps = 15;
    QString m_presetOverride;
    QString m_preset;
    std::atomic<bool> m_recording{false};
    std::atomic<qint64> m_startMs{-1}; // steady-clock ms when the header was written; -1: none

    mutable QMutex m_mutex; // guards the two queues
    QVector<int> m_timestamps;
    QVector<CameraBuffer *> m_frames;

    std::atomic<bool> m_failed{false};
    std::atomic<bool> m_hasVideo{false};
    std::atomic<int> m_framesQueued{0};
    std::atomic<int> m_framesEncoded{0};
    std::atomic<int> m_framesDropped{0};
    mutable QMutex m_errorMutex;
    QString m_errorText;

public:
    /// One-time registration of the media libraries, before any other FFmpeg call.
    static void init();
    /// The first picture of a stored video, or a null picture (see media/VideoThumbnail.h).
    static QImage preview(const QString &path);
};

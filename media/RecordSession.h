#pragma once

#include "media/RtmpThread.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

#include <functional>

class CameraBuffer;

/// One recording of the live view, from start to stop: the recorder thread, the pacing timer
/// that hands it a rendered frame once per frame slot, the record clock those frames are
/// stamped with, and the camera being recorded. The window shows the state; this object
/// decides it. GUI thread only.
///
/// started() follows start(); stopped() follows every end, whether the user stopped, the
/// recorder gave up or the camera went away, and carries the file worth listing (empty when
/// nothing playable reached the disk), always once the file is complete. A recorder failure is
/// reported once with failed(), after stopped(), however many "finished" signals of earlier
/// runs arrive late.
///
/// Once a second the session looks whether the camera is still connected: the rendered view
/// would otherwise go on recording its last picture. An unplugged camera ends the recording as
/// a stop does (drained, the file listed), then cameraLost() follows.
class RecordSession final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(RecordSession)

public:
    explicit RecordSession(QObject *parent = nullptr);

    /// Claims the next rendered frame of the picture being recorded, or returns null while all
    /// buffers are in flight (the next tick tries again).
    void setFrameSource(std::function<CameraBuffer *()> source) { m_source = std::move(source); }
    /// The encoder preset of the next recordings; empty chooses it by pixel rate.
    void setPreset(const QString &preset) { m_thread.setPreset(preset); }

    /// Records pictures of `size` from camera `cameraId` into `path`, at the frame rate the size
    /// allows. The picture at hand is the first frame, so even a recording stopped at once
    /// holds one.
    void start(const QString &path, const QSize &size, const QString &cameraId);
    /// Ends the recording: queued frames get up to five seconds to reach the file.
    void stop();

    bool isRecording() const { return m_recording; }
    /// The camera being recorded; empty when none.
    QString cameraId() const { return m_cameraId; }
    /// True for the file being recorded, or a folder holding it.
    bool isRecordingPath(const QString &path) const;
    /// The recorder, for its state and figures.
    const RtmpThread &recorder() const { return m_thread; }

public slots:
    /// Hands the recorder the next frame when the record clock has entered a new frame slot.
    void takeFrame();
    /// The recorder thread has ended: by itself only on a failure.
    void onRecorderFinished();

signals:
    void started();
    void stopped(const QString &file);
    void failed(const QString &message);
    /// The camera being recorded was disconnected; the recording has ended.
    void cameraLost();

private:
    void checkCamera();

    RtmpThread m_thread;
    QTimer m_pacing;       // 10 ms ticks; frames go out by slot, not by tick
    QTimer m_cameraWatch;  // looks for the camera once a second
    QElapsedTimer m_clock; // time since the start; frame timestamps
    std::function<CameraBuffer *()> m_source;
    QString m_cameraId;          // the camera being recorded
    qint64 m_lastFrameSlot = -1; // frame slot of the last frame handed over
    bool m_recording = false;
    bool m_errorShown = false; // the failure of the last recording was reported
};

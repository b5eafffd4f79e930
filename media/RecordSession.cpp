#include "media/RecordSession.h"

#include "media/RecordPolicy.h"
#include "media/SavePath.h"

#include <QCameraInfo>

#include <algorithm>

namespace {
constexpr int kPacingMs = 10;
constexpr int kDrainMs = 5000;
constexpr int kCameraWatchMs = 1000;
} // namespace

RecordSession::RecordSession(QObject *parent)
    : QObject(parent)
{
    connect(&m_pacing, &QTimer::timeout, this, &RecordSession::takeFrame);
    connect(&m_thread, &QThread::finished, this, &RecordSession::onRecorderFinished);
    connect(&m_cameraWatch, &QTimer::timeout, this, &RecordSession::checkCamera);
}

void RecordSession::start(const QString &path, const QSize &size, const QString &cameraId)
{
    if (m_recording)
        return;
    m_thread.setOutputPath(path);
    m_thread.setSize(size.width(), size.height());
    m_thread.setFrameRate(recordFrameRate(size.width(), size.height()));
    m_cameraId = cameraId;
    m_errorShown = false;
    m_thread.startRecord();
    m_recording = true;
    m_lastFrameSlot = -1;
    m_clock.start();
    m_pacing.start(kPacingMs);
    m_cameraWatch.start(kCameraWatchMs);
    emit started();
    takeFrame();
}

void RecordSession::stop()
{
    if (!m_recording)
        return;
    m_recording = false;
    m_clock.invalidate();
    m_pacing.stop();
    m_cameraWatch.stop();
    m_cameraId.clear();
    m_thread.waitFinish(kDrainMs);
    emit stopped(m_thread.hasVideo() ? m_thread.outputPath() : QString());
}

bool RecordSession::isRecordingPath(const QString &path) const
{
    const QString recording = m_thread.outputPath();
    return m_recording && !recording.isEmpty() && isInsideFolder(recording, path);
}

void RecordSession::takeFrame()
{
    const int fps = m_thread.frameRate();
    const qint64 ms = m_clock.isValid() ? m_clock.elapsed() : -1;
    if (!m_recording || ms < 0 || !m_source || !isRecordFrameDue(ms, m_lastFrameSlot, fps))
        return;
    if (CameraBuffer *frame = m_source()) {
        m_thread.writeVideo(int(ms), frame);
        m_lastFrameSlot = recordFrameSlot(ms, fps);
    }
}

void RecordSession::onRecorderFinished()
{
    if (m_thread.isRunning()) // a newer recording runs already
        return;
    // The session goes back to idle first; a late signal of an earlier run finds the failure
    // reported already.
    stop();
    if (m_thread.failed() && !m_errorShown) {
        m_errorShown = true;
        emit failed(m_thread.errorText());
    }
}

void RecordSession::checkCamera()
{
    if (!m_recording || m_cameraId.isEmpty())
        return;
    const QList<QCameraInfo> cameras = QCameraInfo::availableCameras();
    const QString id = m_cameraId;
    if (std::any_of(cameras.cbegin(), cameras.cend(),
                    [&id](const QCameraInfo &camera) { return camera.deviceName() == id; }))
        return;
    stop();
    emit cameraLost();
}

#include "media/RtmpThread.h"

#include "capture/CameraBuffer.h"
#include "media/RecordPolicy.h"
#include "media/VideoEncoder.h"
#include "media/VideoThumbnail.h"

#include <QElapsedTimer>
#include <QMutexLocker>

#include <chrono>
#include <cmath>
#include <cstdio>

extern "C" {
#include <libavdevice/avdevice.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

RtmpThread::RtmpThread(QObject *parent)
    : QThread(parent)
{}

namespace {

// At most this many frames wait for the worker.
constexpr int kMaxQueued = 10;

qint64 steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

RtmpThread::~RtmpThread()
{
    // The loop ends as soon as the flag is cleared; draining and the trailer take bounded time.
    stopRecord();
}

void RtmpThread::setSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

void RtmpThread::startRecord()
{
    if (isRunning())
        return;
    m_startMs.store(-1);
    m_failed.store(false);
    m_hasVideo.store(false);
    m_framesQueued.store(0);
    m_framesEncoded.store(0);
    m_framesDropped.store(0);
    {
        QMutexLocker lock(&m_errorMutex);
        m_errorText.clear();
    }
    m_preset =
        m_presetOverride.isEmpty() ? recordPreset(m_width, m_height, m_fps) : m_presetOverride;
    clearCamBuffer();
    m_recording.store(true);
    start(QThread::TimeCriticalPriority);
}

bool RtmpThread::writeVideo(int ms, CameraBuffer *frame)
{
    if (!frame)
        return false;
    {
        QMutexLocker lock(&m_mutex);
        if (m_recording.load() && m_frames.size() < kMaxQueued) {
            m_timestamps.append(ms);
            m_frames.append(frame);
            m_framesQueued.fetch_add(1);
            return true;
        }
    }
    // Back to its pool at once: the scene has only five.
    frame->releaseBuffer();
    return false;
}

void RtmpThread::waitFinish(int limitMs)
{
    const qint64 limit = limitMs > 0 ? limitMs : 3600000;
    QElapsedTimer clock;
    clock.start();
    // A worker that already gave up will never empty the queue.
    while (isRunning() && !isFinish() && clock.elapsed() < limit)
        QThread::msleep(10);
    stopRecord();
}

void RtmpThread::stopRecord()
{
    m_recording.store(false);
    if (isRunning())
        wait();
    // Frames handed over while the worker was ending.
    clearCamBuffer();
}

bool RtmpThread::isFinish() const
{
    QMutexLocker lock(&m_mutex);
    return m_frames.isEmpty();
}

void RtmpThread::clearCamBuffer()
{
    QMutexLocker lock(&m_mutex);
    for (CameraBuffer *frame : qAsConst(m_frames))
        frame->releaseBuffer();
    m_frames.clear();
    m_timestamps.clear();
}

int RtmpThread::recordTime() const
{
    const qint64 start = m_startMs.load();
    return start < 0 ? 0 : int(steadyMs() - start);
}

QString RtmpThread::errorText() const
{
    QMutexLocker lock(&m_errorMutex);
    return m_errorText;
}

void RtmpThread::setError(const QString &text)
{
    {
        QMutexLocker lock(&m_errorMutex);
        m_errorText = text;
    }
    m_failed.store(true);
}

CameraBuffer *RtmpThread::popFrame(int *ms)
{
    QMutexLocker lock(&m_mutex);
    if (m_frames.isEmpty())
        return nullptr;
    *ms = m_timestamps.takeFirst();
    return m_frames.takeFirst();
}

void RtmpThread::run()
{
    VideoEncoder encoder;
    VideoEncoder::Settings settings;
    settings.path = m_outPath;
    settings.width = m_width;
    settings.height = m_height;
    settings.fps = m_fps;
    settings.preset = m_preset;
    if (!encoder.open(settings)) {
        setError(encoder.error());
        {
            // No more frames: the window learns of the failure only when finished() arrives.
            QMutexLocker lock(&m_mutex);
            m_recording.store(false);
        }
        clearCamBuffer();
        return;
    }
    m_startMs.store(steadyMs());

    QElapsedTimer stopwatch;
    qint64 convertMs = 0;
    qint64 encodeMs = 0;
    qint64 lastPts = -1;
    int count = 0;
    while (m_recording.load()) {
        int ms = 0;
        CameraBuffer *frame = popFrame(&ms);
        if (!frame) {
            QThread::usleep(1000);
            continue;
        }
        const qint64 pts = encoder.ptsFor(ms);
        if (pts <= lastPts) {
            // Two frames in one slot: the first one stands.
            frame->releaseBuffer();
            m_framesDropped.fetch_add(1);
            continue;
        }
        stopwatch.start();
        const bool converted = encoder.convert(frame->toImage());
        frame->releaseBuffer();
        convertMs += stopwatch.restart();
        if (!converted) {
            // The scene picture changed size during the recording.
            m_framesDropped.fetch_add(1);
            continue;
        }
        if (!encoder.encode(pts)) {
            setError(encoder.error());
            break;
        }
        encodeMs += stopwatch.elapsed();
        m_framesEncoded.fetch_add(1);
        ++count;
        lastPts = pts;
    }
    std::printf("frame : %d, trans : %0.2f, encode : %0.2f\n", count,
                count ? double(convertMs) / count : std::nan(""),
                count ? double(encodeMs) / count : std::nan(""));
    std::fflush(stdout);

    {
        QMutexLocker lock(&m_mutex);
        m_recording.store(false);
    }
    clearCamBuffer();
    // After a write error the trailer is still worth a try: the fragments before it play.
    if (!encoder.finish() && !m_failed.load())
        setError(encoder.error());
    m_hasVideo.store(encoder.fileKept());
}

void RtmpThread::init()
{
    // Current FFmpeg registers its codecs and containers by itself; what remains is the network
    // layer and the device formats.
    avformat_network_init();
    limitMediaAllocations();
    avdevice_register_all();
    // The libraries' own chatter (the encoder's statistics after every recording, a decoder's
    // complaints about a damaged thumbnail) is information a user cannot act on: warnings and
    // errors only. The recorder's own diagnostics still go to standard output.
    av_log_set_level(AV_LOG_WARNING);
}

QImage RtmpThread::preview(const QString &path)
{
    return videoThumbnail(path);
}

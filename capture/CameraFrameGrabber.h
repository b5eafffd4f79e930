#pragma once

#include "capture/CameraBuffer.h"
#include "capture/StripScaler.h"

#include <QAbstractVideoSurface>
#include <QMutex>
#include <QString>

#include <atomic>
#include <memory>

class PixelAdjust;

/// The video surface of one open camera: stores every frame, converted to 32-bit RGB, mirrored
/// and adjusted, in the camera's CameraBuffer and posts a FrameEvent to the frame receiver.
///
/// present() runs on a camera-layer thread while the GUI thread configures the camera, so
/// everything present() reads is either atomic or taken under a mutex:
/// - the buffer is shared: the service hands it over with setBuffer() and takes it back with
///   setBuffer(nullptr) before it forgets the camera; a frame in flight keeps its buffer alive;
/// - the flips, gamma and brightness are atomics, read once per frame.
/// A frame is written outside the buffer's lock (CameraBuffer::beginWrite) and published by a
/// pointer swap. A missing buffer or an undecodable frame drops the frame; nothing is queued.
class CameraFrameGrabber final : public QAbstractVideoSurface
{
    Q_OBJECT
    Q_DISABLE_COPY(CameraFrameGrabber)

public:
    CameraFrameGrabber(QObject *parent, const QString &camId, int brightness = 50, int gamma = 50);
    ~CameraFrameGrabber() override;

    QList<QVideoFrame::PixelFormat>
    supportedPixelFormats(QAbstractVideoBuffer::HandleType type) const override;
    bool present(const QVideoFrame &frame) override;

    QString cameraId() const { return m_camId; }

    void setBuffer(std::shared_ptr<CameraBuffer> buffer);
    std::shared_ptr<CameraBuffer> buffer() const;
    /// Receives a FrameEvent per stored frame; must outlive the grabber or be unset first.
    void setFrameReceiver(QObject *receiver) { m_receiver.store(receiver); }
    QObject *frameReceiver() const { return m_receiver.load(); }

    int brightness() const { return m_brightness.load(std::memory_order_relaxed); }
    void setBrightness(int value) { m_brightness.store(value, std::memory_order_relaxed); }
    int gamma() const { return m_gamma.load(std::memory_order_relaxed); }
    void setGamma(int value) { m_gamma.store(value, std::memory_order_relaxed); }
    void setResver(bool horizontal, bool vertical);
    void resverFlag(bool &horizontal, bool &vertical) const;

    // The three per-frame steps one at a time (packed rows); present() fuses them in one pass.
    static void processPixels(const uchar *src, uchar *dst, int width, int height, bool horizontal,
                              bool vertical);
    void processGamma(uchar *pixels, int width, int height) const;
    void processBright(uchar *pixels, int width, int height) const;

private:
    /// Writes the frame into the writer's block. `view`, when given, is started on the block's
    /// view picture and receives the rows of a top-down JPEG decode strip by strip, while they
    /// are in cache; the caller scales whatever else remains.
    bool writeFrame(const QVideoFrame &frame, CameraBuffer::BackBuffer &back, bool hflip,
                    bool vflip, const PixelAdjust &adjust, StripScaler *view);

    const QString m_camId;
    std::atomic<int> m_brightness{50};
    std::atomic<int> m_gamma{50};
    std::atomic<bool> m_hflip{false};
    std::atomic<bool> m_vflip{false};
    std::atomic<QObject *> m_receiver{nullptr};
    mutable QMutex m_bufferMutex;
    std::shared_ptr<CameraBuffer> m_buffer;
    StripScaler m_viewScaler; // the presenting thread's alone
};

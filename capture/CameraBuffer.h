#pragma once

#include <QImage>
#include <QSize>

#include <atomic>
#include <memory>

/// The latest frame of one camera: a single 32-bit RGB picture guarded by a try-lock.
///
/// The grabber writes it on a camera-layer thread, the GUI thread and the recorder read it.
/// Nobody ever waits for the lock: a busy buffer means the frame is dropped on either side.
/// Every successful getBuffer() must be paired with releaseBuffer().
class CameraBuffer final
{
public:
    CameraBuffer() = default;
    ~CameraBuffer() = default;
    CameraBuffer(const CameraBuffer &) = delete;
    CameraBuffer &operator=(const CameraBuffer &) = delete;

    /// Reallocates the pixel memory unless size and format are unchanged. Waits for a
    /// writer that holds the lock to finish, so the caller must not hold it itself.
    void init(int width, int height, QImage::Format format = QImage::Format_RGB32);
    /// Try-lock: the pixel memory, or null at once when somebody else holds the buffer.
    uchar *getBuffer();
    void releaseBuffer();
    bool isLocked() const { return m_lock.load(std::memory_order_relaxed) != 0; }

    QSize getBufferSize() const { return m_size; }
    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    QImage::Format format() const { return static_cast<QImage::Format>(m_format); }
    int bytesPerLine() const { return m_size.width() > 0 ? m_size.width() * 4 : 0; }
    qsizetype byteCount() const;

    /// Wraps the pixel memory without copying; valid only while the caller holds the lock.
    QImage toImage() const;
    /// Releases the pixel memory (waits for a writer, like init()).
    void clear();

    /// Frame notifications: at most one is on its way to the GUI thread per buffer. The writer
    /// posts one only when claimNotification() returns true; the receiver calls
    /// notificationReceived() before it reads the buffer, so a frame stored meanwhile is
    /// announced again. Frames are never queued behind a busy GUI thread: it sees the latest.
    bool claimNotification() { return !m_notifyPending.exchange(true); }
    void notificationReceived() { m_notifyPending.store(false); }
    /// False from an allocation until the writer stores a frame in the new memory, so a
    /// notification still on its way from before a restart does not show unwritten pixels.
    bool hasFrame() const { return m_hasFrame.load(std::memory_order_acquire); }
    /// Called by the writer, holding the lock, once a frame is stored.
    void setFrameStored() { m_hasFrame.store(true, std::memory_order_release); }

private:
    void lockBlocking();

    uchar *m_data = nullptr;
    std::shared_ptr<uchar[]> m_owner;
    int m_format = 0;
    QSize m_size{-1, -1};
    std::atomic<int> m_lock{0};
    std::atomic<bool> m_notifyPending{false};
    std::atomic<bool> m_hasFrame{false};
};

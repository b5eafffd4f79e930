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
///
/// A writer that uses beginWrite()/commitWrite() fills a second block of its own outside the
/// lock, so a decode never makes the buffer busy: the lock is taken only to swap the two blocks.
/// A frame finished while a reader holds the buffer waits and is swapped in by that reader's
/// releaseBuffer(); a newer frame replaces a waiting one (frames are never queued). Readers see
/// one whole frame or the previous one, never a mix. The second block is allocated on the first
/// beginWrite(), so buffers only claimed through getBuffer() (the recording buffers) keep one.
/// One writer at a time.
class CameraBuffer final
{
    struct Storage;

public:
    /// Blocks per size: the current frame, the one being written, one waiting and one shared.
    static constexpr int MaxBlocks = 4;

    /// A block handed to the writer by beginWrite(); false when no block was free. Dropping it
    /// without commitWrite() gives the block back (the frame is discarded).
    class BackBuffer final
    {
    public:
        BackBuffer() = default;
        ~BackBuffer();
        BackBuffer(BackBuffer &&other) noexcept;
        BackBuffer &operator=(BackBuffer &&other) noexcept;
        BackBuffer(const BackBuffer &) = delete;
        BackBuffer &operator=(const BackBuffer &) = delete;

        explicit operator bool() const { return m_data != nullptr; }
        uchar *data() const { return m_data; }
        /// The block's view picture (viewSize(), rows of viewBytesPerLine()), present when a
        /// reader asked for one (setViewWanted()); null otherwise. A writer that fills it says
        /// so with setViewWritten(), or the frame goes without one.
        uchar *viewData() const { return m_view; }
        QSize viewSize() const { return m_viewSize; }
        int viewBytesPerLine() const { return m_viewSize.width() * 4; }
        void setViewWritten(bool written) { m_viewWritten = written && m_view; }
        QSize size() const { return m_size; }
        int width() const { return m_size.width(); }
        int height() const { return m_size.height(); }
        int bytesPerLine() const { return m_size.width() * 4; }

    private:
        friend class CameraBuffer;
        void giveBack();

        std::shared_ptr<Storage> m_storage;
        int m_index = -1;
        uchar *m_data = nullptr;
        uchar *m_view = nullptr;
        bool m_viewWritten = false;
        QSize m_size;
        QSize m_viewSize;
    };

    CameraBuffer() = default;
    ~CameraBuffer() = default;
    CameraBuffer(const CameraBuffer &) = delete;
    CameraBuffer &operator=(const CameraBuffer &) = delete;

    /// Reallocates the pixel memory unless size and format are unchanged. Waits for a
    /// holder of the lock to finish, so the caller must not hold it itself. A frame being
    /// written meanwhile into the old memory is discarded at its commitWrite().
    void init(int width, int height, QImage::Format format = QImage::Format_RGB32);
    /// Try-lock: the pixel memory, or null at once when somebody else holds the buffer.
    uchar *getBuffer();
    /// Unlocks; a frame finished while the caller held the buffer becomes the current one.
    void releaseBuffer();
    bool isLocked() const { return m_lock.load(std::memory_order_relaxed) != 0; }

    /// Writer: a block of the current size that no reader sees, to fill without the lock.
    /// Never blocks; allocates only the first time for a size, and once more for each block
    /// shared pictures keep out of use.
    BackBuffer beginWrite();
    /// Writer: publishes a filled block. True when it is the current frame now or will be at the
    /// reader's release; false when the buffer was reallocated or cleared meanwhile.
    bool commitWrite(BackBuffer &frame);

    QSize getBufferSize() const { return m_size; }
    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    QImage::Format format() const { return static_cast<QImage::Format>(m_format); }
    int bytesPerLine() const { return m_size.width() > 0 ? m_size.width() * 4 : 0; }
    qsizetype byteCount() const;

    /// Wraps the pixel memory without copying; valid only while the caller holds the lock.
    QImage toImage() const;
    /// The current frame as a read-only picture on the buffer's own memory, valid for as long as
    /// any copy of it lives (writing to a copy detaches it). Null when there is no frame yet or
    /// the buffer is busy this instant. Does not keep the buffer locked. `view`, when given,
    /// receives the frame's view picture the same way (null when it has none): a writer that
    /// scales the rows to the view's size while they are in its cache saves the GUI thread
    /// reading the whole frame again.
    QImage shareFrame(QImage *view = nullptr);
    /// The size writers should also scale frames to from now on (StripScaler); an empty size
    /// for none.
    void setViewWanted(QSize size);
    QSize viewWanted() const;
    /// Releases the pixel memory (waits for a holder of the lock, like init()).
    void clear();

    /// Frame notifications: at most one is on its way to the GUI thread per buffer. The writer
    /// posts one only when claimNotification() returns true; the receiver calls
    /// notificationReceived() before it reads the buffer, so a frame stored meanwhile is
    /// announced again. Frames are never queued behind a busy GUI thread: it sees the latest.
    bool claimNotification() { return !m_notifyPending.exchange(true); }
    void notificationReceived() { m_notifyPending.store(false); }
    /// False from an allocation until a frame is stored in the new memory, so a notification
    /// still on its way from before a restart does not show unwritten pixels.
    bool hasFrame() const { return m_hasFrame.load(std::memory_order_acquire); }
    /// For writers that fill getBuffer()'s memory directly, holding the lock.
    void setFrameStored() { m_hasFrame.store(true, std::memory_order_release); }

private:
    void lockBlocking();
    bool tryLock();
    void unlock() { m_lock.store(0, std::memory_order_seq_cst); }
    /// Holding the lock: makes a waiting frame the current one.
    void swapInReady();
    void replaceStorage(std::shared_ptr<Storage> storage);

    uchar *m_data = nullptr;
    std::shared_ptr<Storage> m_owner;
    int m_format = 0;
    QSize m_size{-1, -1};
    std::atomic<int> m_lock{0};
    std::atomic<bool> m_notifyPending{false};
    std::atomic<bool> m_hasFrame{false};
    std::atomic<quint64> m_viewWanted{0}; // width << 32 | height
};

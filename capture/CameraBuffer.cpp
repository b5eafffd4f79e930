#include "capture/CameraBuffer.h"

#include <QThread>

#include <utility>

/// The pixel memory of one size: the current frame's block and the writer's block. Each block
/// index is in exactly one place at a time: `front` (changed only under the lock), `spare` (free
/// for the writer), `ready` (a finished frame waiting for the lock) or a writer's BackBuffer.
struct CameraBuffer::Storage
{
    std::unique_ptr<uchar[]> blocks[2];
    QSize size;
    int front = 0;
    std::atomic<int> spare{1};
    std::atomic<int> ready{-1};

    size_t bytes() const { return size_t(size.width()) * size_t(size.height()) * 4; }
};

CameraBuffer::BackBuffer::~BackBuffer()
{
    giveBack();
}

CameraBuffer::BackBuffer::BackBuffer(BackBuffer &&other) noexcept
{
    *this = std::move(other);
}

CameraBuffer::BackBuffer &CameraBuffer::BackBuffer::operator=(BackBuffer &&other) noexcept
{
    if (this != &other) {
        giveBack();
        m_storage = std::move(other.m_storage);
        m_index = std::exchange(other.m_index, -1);
        m_data = std::exchange(other.m_data, nullptr);
        m_size = other.m_size;
    }
    return *this;
}

void CameraBuffer::BackBuffer::giveBack()
{
    if (m_storage && m_index >= 0)
        m_storage->spare.store(m_index, std::memory_order_release);
    m_storage.reset();
    m_index = -1;
    m_data = nullptr;
}

qsizetype CameraBuffer::byteCount() const
{
    if (m_size.width() <= 0 || m_size.height() <= 0)
        return 0;
    return qsizetype(m_size.width()) * m_size.height() * 4;
}

void CameraBuffer::init(int width, int height, QImage::Format format)
{
    if (width == m_size.width() && height == m_size.height() && format == m_format)
        return;
    // Allocate before taking the lock so a writer is never held up by the allocation.
    std::shared_ptr<Storage> storage;
    if (width > 0 && height > 0) {
        storage = std::make_shared<Storage>();
        storage->size = QSize(width, height);
        storage->blocks[0].reset(new uchar[storage->bytes()]);
    }
    lockBlocking();
    replaceStorage(std::move(storage));
    m_format = m_data ? format : 0;
    releaseBuffer();
}

void CameraBuffer::clear()
{
    lockBlocking();
    replaceStorage(nullptr);
    m_format = 0;
    releaseBuffer();
}

void CameraBuffer::replaceStorage(std::shared_ptr<Storage> storage)
{
    // A writer reads m_owner without the lock, hence the atomic store.
    std::atomic_store(&m_owner, std::move(storage));
    m_data = m_owner ? m_owner->blocks[0].get() : nullptr;
    m_size = m_owner ? m_owner->size : QSize(-1, -1);
    m_hasFrame.store(false, std::memory_order_release);
}

bool CameraBuffer::tryLock()
{
    int expected = 0;
    return m_lock.compare_exchange_strong(expected, 1, std::memory_order_seq_cst);
}

uchar *CameraBuffer::getBuffer()
{
    if (!tryLock())
        return nullptr;
    if (!m_data) {
        // Nothing to hand out: do not keep a lock the caller will never release.
        unlock();
        return nullptr;
    }
    return m_data;
}

void CameraBuffer::releaseBuffer()
{
    swapInReady();
    unlock();
    // A writer that found the lock taken after we looked for its frame has left the frame
    // waiting; the unlock and its look at the lock are ordered, so one of us sees the other.
    for (;;) {
        const std::shared_ptr<Storage> storage = std::atomic_load(&m_owner);
        if (!storage || storage->ready.load(std::memory_order_seq_cst) < 0 || !tryLock())
            return;
        swapInReady();
        unlock();
    }
}

void CameraBuffer::swapInReady()
{
    Storage *storage = m_owner.get();
    if (!storage || storage->ready.load(std::memory_order_seq_cst) < 0)
        return;
    const int ready = storage->ready.exchange(-1, std::memory_order_acq_rel);
    if (ready < 0)
        return; // the writer took it back for a newer frame
    const int old = storage->front;
    storage->front = ready;
    m_data = storage->blocks[ready].get();
    storage->spare.store(old, std::memory_order_release);
    m_hasFrame.store(true, std::memory_order_release);
}

CameraBuffer::BackBuffer CameraBuffer::beginWrite()
{
    BackBuffer frame;
    std::shared_ptr<Storage> storage = std::atomic_load(&m_owner);
    if (!storage)
        return frame;
    int index = storage->spare.exchange(-1, std::memory_order_acquire);
    if (index < 0) {
        // The last frame still waits for a reader to let go: this newer one replaces it.
        index = storage->ready.exchange(-1, std::memory_order_acquire);
    }
    if (index < 0)
        return frame; // a reader is swapping this very moment: drop the frame
    std::unique_ptr<uchar[]> &block = storage->blocks[index];
    if (!block)
        block.reset(new uchar[storage->bytes()]);
    frame.m_data = block.get();
    frame.m_size = storage->size;
    frame.m_index = index;
    frame.m_storage = std::move(storage);
    return frame;
}

bool CameraBuffer::commitWrite(BackBuffer &frame)
{
    if (!frame)
        return false;
    std::shared_ptr<Storage> storage = std::move(frame.m_storage);
    const int index = std::exchange(frame.m_index, -1);
    frame.m_data = nullptr;
    if (std::atomic_load(&m_owner) != storage)
        return false; // reallocated or cleared while the frame was written
    storage->ready.store(index, std::memory_order_seq_cst);
    if (!tryLock())
        return true; // the holder's releaseBuffer() swaps it in
    const bool current = m_owner == storage;
    if (current)
        swapInReady();
    releaseBuffer();
    return current;
}

QImage CameraBuffer::toImage() const
{
    if (!m_data)
        return QImage();
    return QImage(m_data, m_size.width(), m_size.height(), bytesPerLine(), format());
}

void CameraBuffer::lockBlocking()
{
    // Holders keep the lock for one frame copy at most; yield rather than burn the core.
    while (!tryLock())
        QThread::yieldCurrentThread();
}

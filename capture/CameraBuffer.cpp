#include "capture/CameraBuffer.h"

#include <QThread>

#include <algorithm>
#include <utility>

/// The pixel memory of one size. Each block index is in exactly one place at a time: `front`
/// (changed only under the lock), the free set (for the writer), `ready` (a finished frame
/// waiting for the lock), a writer's BackBuffer, or out of use while shared pictures of it live.
/// `uses` counts 1 for being the front block and 2 for each shared picture; the block whose count
/// drops to 0 goes back to the free set, whichever thread lets go last.
struct CameraBuffer::Storage
{
    std::unique_ptr<uchar[]> blocks[MaxBlocks];
    std::unique_ptr<uchar[]> views[MaxBlocks]; // allocated when first wanted
    size_t viewBytes[MaxBlocks] = {};          // what views[] holds room for
    QSize viewWritten[MaxBlocks];              // set by the writer before it publishes the block
    std::atomic<int> uses[MaxBlocks];
    QSize size;
    int front = 0;
    int allocated = 1; // the writer's business alone
    std::atomic<unsigned> free{0};
    std::atomic<int> ready{-1};

    explicit Storage(QSize s)
        : size(s)
    {
        blocks[0].reset(new uchar[bytes()]);
        uses[0].store(1);
        for (int i = 1; i < MaxBlocks; ++i)
            uses[i].store(0);
        free.store(((1u << MaxBlocks) - 1) & ~1u);
    }
    size_t bytes() const { return size_t(size.width()) * size_t(size.height()) * 4; }

    void giveBack(int index) { free.fetch_or(1u << index, std::memory_order_release); }
    void release(int index, int count)
    {
        if (uses[index].fetch_sub(count, std::memory_order_acq_rel) == count)
            giveBack(index);
    }
    /// The lowest free index among `among`, or -1. Lowest first, so the allocated blocks are
    /// always the first `allocated` ones.
    int takeFree(unsigned among = ~0u)
    {
        unsigned bits = free.load(std::memory_order_acquire);
        while (bits & among) {
            const unsigned pick = bits & among;
            const unsigned lowest = pick & (~pick + 1);
            if (free.compare_exchange_weak(bits, bits & ~lowest, std::memory_order_acquire))
                return __builtin_ctz(lowest);
        }
        return -1;
    }
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
        m_view = std::exchange(other.m_view, nullptr);
        m_viewWritten = std::exchange(other.m_viewWritten, false);
        m_size = other.m_size;
        m_viewSize = other.m_viewSize;
    }
    return *this;
}

void CameraBuffer::BackBuffer::giveBack()
{
    if (m_storage && m_index >= 0)
        m_storage->giveBack(m_index);
    m_storage.reset();
    m_index = -1;
    m_data = nullptr;
    m_view = nullptr;
    m_viewWritten = false;
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
    if (width > 0 && height > 0)
        storage = std::make_shared<Storage>(QSize(width, height));
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
    storage->uses[ready].fetch_add(1, std::memory_order_acq_rel);
    storage->front = ready;
    m_data = storage->blocks[ready].get();
    storage->release(old, 1);
    m_hasFrame.store(true, std::memory_order_release);
}

CameraBuffer::BackBuffer CameraBuffer::beginWrite()
{
    BackBuffer frame;
    std::shared_ptr<Storage> storage = std::atomic_load(&m_owner);
    if (!storage)
        return frame;
    // Memory already there first; a frame still waiting for a reader to let go is replaced
    // before another block is allocated, so only shared pictures make the storage grow.
    int index = storage->takeFree((1u << storage->allocated) - 1);
    if (index < 0)
        index = storage->ready.exchange(-1, std::memory_order_acquire);
    if (index < 0)
        index = storage->takeFree();
    if (index < 0)
        return frame; // a reader is swapping this very moment, or every block is shared: drop
    std::unique_ptr<uchar[]> &block = storage->blocks[index];
    if (!block) {
        block.reset(new uchar[storage->bytes()]);
        storage->allocated = std::max(storage->allocated, index + 1);
    }
    frame.m_data = block.get();
    storage->viewWritten[index] = QSize();
    const QSize view = viewWanted();
    if (!view.isEmpty()) {
        // No reader sees this block now, so its view memory may be replaced.
        const size_t bytes = size_t(view.width()) * size_t(view.height()) * 4;
        if (storage->viewBytes[index] < bytes) {
            storage->views[index].reset(new uchar[bytes]);
            storage->viewBytes[index] = bytes;
        }
        frame.m_view = storage->views[index].get();
        frame.m_viewSize = view;
    }
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
    frame.m_view = nullptr;
    storage->viewWritten[index] =
        std::exchange(frame.m_viewWritten, false) ? frame.m_viewSize : QSize();
    if (std::atomic_load(&m_owner) != storage)
        return false; // reallocated or cleared while the frame was written
    // A frame still waiting from before is superseded: its block is free again.
    const int superseded = storage->ready.exchange(index, std::memory_order_seq_cst);
    if (superseded >= 0)
        storage->giveBack(superseded);
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

void CameraBuffer::setViewWanted(QSize size)
{
    const bool none = size.isEmpty();
    m_viewWanted.store(none ? 0 : quint64(quint32(size.width())) << 32 | quint32(size.height()),
                       std::memory_order_relaxed);
}

QSize CameraBuffer::viewWanted() const
{
    const quint64 v = m_viewWanted.load(std::memory_order_relaxed);
    return QSize(int(v >> 32), int(v & 0xffffffffu));
}

QImage CameraBuffer::shareFrame(QImage *view)
{
    // What a shared picture keeps alive: the storage (even past a reallocation) and the use of
    // its block.
    struct Share
    {
        std::shared_ptr<Storage> storage;
        int index;
    };
    const auto letGo = [](void *info) {
        auto *s = static_cast<Share *>(info);
        s->storage->release(s->index, 2);
        delete s;
    };
    // The const constructor makes the picture read-only: writing to it copies it first.
    const auto share = [this, letGo](const uchar *bits, QSize size) {
        Storage *storage = m_owner.get();
        const int index = storage->front;
        storage->uses[index].fetch_add(2, std::memory_order_acq_rel);
        auto *info = new Share{m_owner, index};
        QImage picture(bits, size.width(), size.height(), size.width() * 4, format(), letGo, info);
        if (picture.isNull())
            letGo(info); // not taken over by the picture
        return picture;
    };

    if (view)
        *view = QImage();
    if (!tryLock())
        return QImage();
    Storage *storage = m_owner.get();
    QImage frame;
    if (storage && m_data && hasFrame()) {
        frame = share(m_data, m_size);
        const QSize viewSize = storage->viewWritten[storage->front];
        if (view && !viewSize.isEmpty())
            *view = share(storage->views[storage->front].get(), viewSize);
    }
    releaseBuffer();
    return frame;
}

void CameraBuffer::lockBlocking()
{
    // Holders keep the lock for one frame copy at most; yield rather than burn the core.
    while (!tryLock())
        QThread::yieldCurrentThread();
}

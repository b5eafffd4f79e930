#include "capture/CameraBuffer.h"

#include <QThread>

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
    std::shared_ptr<uchar[]> block;
    if (width > 0 && height > 0)
        block.reset(new uchar[size_t(width) * size_t(height) * 4]);
    lockBlocking();
    m_owner = std::move(block);
    m_data = m_owner.get();
    m_size = m_data ? QSize(width, height) : QSize(-1, -1);
    m_format = m_data ? format : 0;
    m_hasFrame.store(false, std::memory_order_release);
    releaseBuffer();
}

uchar *CameraBuffer::getBuffer()
{
    int expected = 0;
    if (!m_lock.compare_exchange_strong(expected, 1, std::memory_order_acquire))
        return nullptr;
    if (!m_data) {
        // Nothing to hand out: do not keep a lock the caller will never release.
        releaseBuffer();
        return nullptr;
    }
    return m_data;
}

void CameraBuffer::releaseBuffer()
{
    m_lock.store(0, std::memory_order_release);
}

QImage CameraBuffer::toImage() const
{
    if (!m_data)
        return QImage();
    return QImage(m_data, m_size.width(), m_size.height(), bytesPerLine(), format());
}

void CameraBuffer::clear()
{
    lockBlocking();
    m_owner.reset();
    m_data = nullptr;
    m_size = QSize(-1, -1);
    m_format = 0;
    m_hasFrame.store(false, std::memory_order_release);
    releaseBuffer();
}

void CameraBuffer::lockBlocking()
{
    // Holders keep the lock for one frame copy at most; yield rather than burn the core.
    int expected = 0;
    while (!m_lock.compare_exchange_weak(expected, 1, std::memory_order_acquire)) {
        expected = 0;
        QThread::yieldCurrentThread();
    }
}

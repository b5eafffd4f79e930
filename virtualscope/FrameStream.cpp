#include "virtualscope/FrameStream.h"

#include "virtualscope/ImageVideoBuffer.h"
#include "virtualscope/ScopePicture.h"
#include "virtualscope/VirtualScope.h"

#include <QAbstractVideoSurface>
#include <QPainter>

#include <algorithm>
#include <chrono>

namespace {
// Raw frames are large: keep the ring of a big RGB32 stream within this budget.
constexpr qint64 kRawRingBudget = 96ll * 1024 * 1024;
constexpr int kMaxRing = 12;
} // namespace

FrameStream::~FrameStream()
{
    stop();
}

int FrameStream::framesPerSecond(const QSize &size)
{
    const qint64 pixels = qint64(size.width()) * size.height();
    // Like the sensors of real microscope cameras: full rate up to 1080p, 15 fps above.
    return pixels <= 1920ll * 1088 ? 30 : 15;
}

void FrameStream::start(QAbstractVideoSurface *surface, const QByteArray &deviceId,
                        const QSize &size, QVideoFrame::PixelFormat format)
{
    stop();
    m_surface = surface;
    m_deviceId = deviceId;
    m_size = size;
    m_format = format;
    m_stop = false;
    m_builtContent = -1;
    m_canvas = QImage();
    m_thread = std::thread(&FrameStream::run, this);
}

void FrameStream::stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
    m_images.clear();
    m_jpegs.clear();
}

void FrameStream::setProcessing(const ScopeProcessing &processing)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_processing = processing;
    ++m_processingGeneration;
}

void FrameStream::rebuildIfStale()
{
    const int contentGeneration = VirtualScope::instance()->contentGeneration();
    int processingGeneration = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        processingGeneration = m_processingGeneration;
        m_ringProcessing = m_processing;
    }
    if (contentGeneration == m_builtContent && processingGeneration == m_builtProcessing)
        return;

    const ScopeContent content = VirtualScope::instance()->content();
    if (content.generation != m_builtContent) {
        if (content.kind == ScopeContent::Specimen) {
            m_margin = ScopePicture::driftMargin(m_size);
            m_canvas = ScopePicture::renderSpecimen(m_size, m_margin);
        } else if (content.kind == ScopeContent::Solid) {
            m_margin = 0;
            m_canvas = QImage(m_size, QImage::Format_RGB32);
            m_canvas.fill(content.colour);
        } else {
            m_margin = 0;
            m_canvas = content.image.scaled(m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_RGB32);
        }
    }
    m_builtContent = content.generation;
    m_builtProcessing = processingGeneration;
    // Processed once per change on the whole canvas; the ring frames only crop and add noise.
    m_processed = m_canvas;
    ScopePicture::applyProcessing(m_processed, m_ringProcessing);

    // Still pictures need one frame; the specimen drifts and carries noise over a ring.
    if (content.kind != ScopeContent::Specimen) {
        m_ringSize = 1;
    } else if (m_format == QVideoFrame::Format_Jpeg) {
        m_ringSize = kMaxRing;
    } else {
        const qint64 bytes = qint64(m_size.width()) * m_size.height() * 4;
        m_ringSize =
            int(std::clamp<qint64>(kRawRingBudget / std::max<qint64>(bytes, 1), 2, kMaxRing));
    }
    m_images = QVector<QImage>(m_ringSize);
    m_jpegs = QVector<QByteArray>(m_ringSize);
}

QVideoFrame FrameStream::frameAt(int index)
{
    const int slot = index % m_ringSize;
    const bool jpeg = m_format == QVideoFrame::Format_Jpeg;
    if (jpeg ? m_jpegs[slot].isEmpty() : m_images[slot].isNull()) {
        // Rendered on first use, then reused: the first cycle pays, later frames are free.
        const QImage image = m_margin > 0 ? ScopePicture::specimenFrame(m_processed, m_size,
                                                                        m_margin, slot, m_ringSize)
                                          : m_processed;
        if (jpeg)
            m_jpegs[slot] = ScopePicture::encodeJpeg(image, 85);
        else
            m_images[slot] = image;
    }
    if (jpeg)
        return QVideoFrame(new ImageVideoBuffer(m_jpegs[slot]), m_size, m_format);
    return QVideoFrame(new ImageVideoBuffer(m_images[slot]), m_size, m_format);
}

void FrameStream::run()
{
    using Clock = std::chrono::steady_clock;
    const auto interval = std::chrono::microseconds(1000000 / framesPerSecond(m_size));
    const auto begin = Clock::now();
    auto due = begin;
    for (int index = 0;; ++index) {
        rebuildIfStale();
        QVideoFrame frame = frameAt(index);
        const auto now = Clock::now();
        frame.setStartTime(
            std::chrono::duration_cast<std::chrono::microseconds>(now - begin).count());
        if (m_surface->isActive()) {
            m_surface->present(frame);
            VirtualScope::instance()->noteFramePresented(m_deviceId);
        }

        due += interval;
        if (Clock::now() > due + interval)
            due = Clock::now(); // fell behind (first ring pass): do not burst to catch up
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_wake.wait_until(lock, due, [this] { return m_stop; }))
            return;
    }
}

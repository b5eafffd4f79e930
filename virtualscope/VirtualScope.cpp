#include "virtualscope/VirtualScope.h"

#include <QCoreApplication>
#include <QMutexLocker>

VirtualScope *VirtualScope::instance()
{
    static VirtualScope *scope = [] {
        auto *s = new VirtualScope;
        s->reset();
        return s;
    }();
    return scope;
}

QList<VirtualDevice> VirtualScope::defaultDevices()
{
    using F = QVideoFrame::PixelFormat;
    const QList<F> both{F::Format_RGB32, F::Format_Jpeg};
    return {
        // A five-megapixel microscope: its profile's five sizes, plus three it lacks.
        {"virtual:0c450223",
         QStringLiteral("Virtual Microscope 5MP"),
         {{1920, 1080},
          {640, 480},
          {2592, 1944},
          {1280, 1024},
          {800, 600},
          {2048, 1536},
          {2320, 1744},
          {1600, 1200}},
         both},
        // An eight-megapixel microscope: all seven profile sizes plus two others.
        {"virtual:0ac80225",
         QStringLiteral("Virtual Microscope 8MP"),
         {{640, 480},
          {352, 288},
          {1280, 720},
          {1920, 1080},
          {1024, 768},
          {2048, 1536},
          {2592, 1944},
          {3264, 1832},
          {3264, 2448}},
         both},
        // No device profile has these ids: the program must never list it.
        {"virtual:beef0001", QStringLiteral("Virtual Webcam"), {{640, 480}, {1280, 720}}, both},
    };
}

void VirtualScope::reset()
{
    QMutexLocker lock(&m_mutex);
    m_entries.clear();
    for (const VirtualDevice &d : defaultDevices())
        m_entries.append({d, true, false});
    m_content = ScopeContent{};
    m_content.generation = ++m_contentGeneration;
    m_starts.clear();
    m_presented.clear();
    m_processing.clear();
    m_asyncLoad.store(false);
}

QList<VirtualDevice> VirtualScope::devices() const
{
    QMutexLocker lock(&m_mutex);
    QList<VirtualDevice> result;
    for (const Entry &e : m_entries) {
        if (e.present)
            result.append(e.device);
    }
    return result;
}

bool VirtualScope::device(const QByteArray &id, VirtualDevice *out) const
{
    QMutexLocker lock(&m_mutex);
    for (const Entry &e : m_entries) {
        if (e.present && e.device.id == id) {
            if (out)
                *out = e.device;
            return true;
        }
    }
    return false;
}

bool VirtualScope::isPresent(const QByteArray &id) const
{
    return device(id, nullptr);
}

void VirtualScope::setDevices(const QList<VirtualDevice> &devices)
{
    QList<QByteArray> gone;
    {
        QMutexLocker lock(&m_mutex);
        for (const Entry &e : qAsConst(m_entries)) {
            if (e.present)
                gone.append(e.device.id);
        }
        m_entries.clear();
        for (const VirtualDevice &d : devices) {
            m_entries.append({d, true, false});
            gone.removeAll(d.id);
        }
    }
    for (const QByteArray &id : gone)
        emit deviceUnplugged(id);
}

void VirtualScope::addDevice(const VirtualDevice &device)
{
    {
        QMutexLocker lock(&m_mutex);
        for (Entry &e : m_entries) {
            if (e.device.id == device.id) {
                e = {device, true, false};
                lock.unlock();
                emit devicePlugged(device.id);
                return;
            }
        }
        m_entries.append({device, true, false});
    }
    emit devicePlugged(device.id);
}

void VirtualScope::unplug(const QByteArray &id)
{
    bool changed = false;
    {
        QMutexLocker lock(&m_mutex);
        for (Entry &e : m_entries) {
            if (e.device.id == id && e.present) {
                e.present = false;
                changed = true;
            }
        }
    }
    if (changed)
        emit deviceUnplugged(id);
}

void VirtualScope::plug(const QByteArray &id)
{
    bool changed = false;
    {
        QMutexLocker lock(&m_mutex);
        for (Entry &e : m_entries) {
            if (e.device.id == id && !e.present) {
                e.present = true;
                changed = true;
            }
        }
    }
    if (changed)
        emit devicePlugged(id);
}

void VirtualScope::setFailOpen(const QByteArray &id, bool fail)
{
    QMutexLocker lock(&m_mutex);
    for (Entry &e : m_entries) {
        if (e.device.id == id)
            e.failOpen = fail;
    }
}

bool VirtualScope::failsOpen(const QByteArray &id) const
{
    QMutexLocker lock(&m_mutex);
    for (const Entry &e : m_entries) {
        if (e.device.id == id)
            return e.failOpen;
    }
    return false;
}

void VirtualScope::showSpecimen()
{
    QMutexLocker lock(&m_mutex);
    m_content = ScopeContent{};
    m_content.generation = ++m_contentGeneration;
}

void VirtualScope::showSolid(const QColor &colour)
{
    QMutexLocker lock(&m_mutex);
    m_content = ScopeContent{ScopeContent::Solid, colour, {}, ++m_contentGeneration};
}

void VirtualScope::showImage(const QImage &image)
{
    QMutexLocker lock(&m_mutex);
    m_content = ScopeContent{ScopeContent::Image,
                             {},
                             image.convertToFormat(QImage::Format_RGB32),
                             ++m_contentGeneration};
}

ScopeContent VirtualScope::content() const
{
    QMutexLocker lock(&m_mutex);
    return m_content;
}

int VirtualScope::startCount(const QByteArray &id) const
{
    QMutexLocker lock(&m_mutex);
    return m_starts.value(id);
}

QVideoFrame::PixelFormat VirtualScope::streamFormat(const QByteArray &id) const
{
    QMutexLocker lock(&m_mutex);
    return m_streams.value(id).format;
}

QSize VirtualScope::streamSize(const QByteArray &id) const
{
    QMutexLocker lock(&m_mutex);
    return m_streams.value(id).size;
}

void VirtualScope::noteStreamStarted(const QByteArray &id, const QSize &size,
                                     QVideoFrame::PixelFormat fmt)
{
    QMutexLocker lock(&m_mutex);
    ++m_starts[id];
    m_streams.insert(id, {size, fmt});
}

void VirtualScope::noteStreamStopped(const QByteArray &id)
{
    QMutexLocker lock(&m_mutex);
    m_streams.remove(id);
}

int VirtualScope::presentedFrames(const QByteArray &id) const
{
    QMutexLocker lock(&m_mutex);
    return m_presented.value(id);
}

void VirtualScope::noteFramePresented(const QByteArray &id)
{
    QMutexLocker lock(&m_mutex);
    ++m_presented[id];
}

ScopeProcessing VirtualScope::processing(const QByteArray &id) const
{
    QMutexLocker lock(&m_mutex);
    return m_processing.value(id);
}

void VirtualScope::noteProcessing(const QByteArray &id, const ScopeProcessing &processing)
{
    QMutexLocker lock(&m_mutex);
    m_processing.insert(id, processing);
}

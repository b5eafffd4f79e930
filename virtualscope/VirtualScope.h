#pragma once

#include "virtualscope/ScopeContent.h"
#include "virtualscope/ScopeProcessing.h"
#include "virtualscope/VirtualDevice.h"

#include <QHash>
#include <QMutex>
#include <QObject>

#include <atomic>

/// Control panel of the virtual microscope: which devices are plugged in, which of them
/// refuse to open, and what they show. One per process (per plugin copy); tests drive it
/// directly after importing the static plugin. All members are thread-safe.
class VirtualScope final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualScope)

public:
    static VirtualScope *instance();

    /// Two profile-matching microscopes and one camera no profile knows.
    static QList<VirtualDevice> defaultDevices();

    /// Back to the default devices, all plugged in, none failing, showing the specimen.
    void reset();

    QList<VirtualDevice> devices() const; ///< plugged-in devices, in listing order
    bool device(const QByteArray &id, VirtualDevice *out) const;
    bool isPresent(const QByteArray &id) const;
    void setDevices(const QList<VirtualDevice> &devices);
    void addDevice(const VirtualDevice &device);
    void unplug(const QByteArray &id);
    void plug(const QByteArray &id);

    /// The next starts of this device fail with a camera error until cleared.
    void setFailOpen(const QByteArray &id, bool fail);
    bool failsOpen(const QByteArray &id) const;

    /// Loading completes on the next event-loop pass, as with backends whose pipelines
    /// report readiness asynchronously.
    void setAsyncLoad(bool async) { m_asyncLoad.store(async); }
    bool asyncLoad() const { return m_asyncLoad.load(); }

    void showSpecimen();
    void showSolid(const QColor &colour);
    void showImage(const QImage &image);
    ScopeContent content() const;
    int contentGeneration() const { return m_contentGeneration.load(); }

    /// Streams started for a device since the last reset (counts restarts).
    int startCount(const QByteArray &id) const;
    /// Format of the device's running stream; Format_Invalid when it is not streaming.
    QVideoFrame::PixelFormat streamFormat(const QByteArray &id) const;
    QSize streamSize(const QByteArray &id) const;
    /// Frames handed to a surface for a device since the last reset.
    int presentedFrames(const QByteArray &id) const;
    /// The adjustments a device's camera was last given (exposure, white balance, colours).
    ScopeProcessing processing(const QByteArray &id) const;

    // Called by the camera services of the plugin.
    void noteStreamStarted(const QByteArray &id, const QSize &size, QVideoFrame::PixelFormat fmt);
    void noteStreamStopped(const QByteArray &id);
    void noteFramePresented(const QByteArray &id);
    void noteProcessing(const QByteArray &id, const ScopeProcessing &processing);

signals:
    void devicePlugged(const QByteArray &id);
    void deviceUnplugged(const QByteArray &id);

private:
    VirtualScope() = default;

    struct Entry
    {
        VirtualDevice device;
        bool present = true;
        bool failOpen = false;
    };
    struct Stream
    {
        QSize size;
        QVideoFrame::PixelFormat format = QVideoFrame::Format_Invalid;
    };

    mutable QMutex m_mutex;
    QList<Entry> m_entries;
    ScopeContent m_content;
    std::atomic<int> m_contentGeneration{0};
    QHash<QByteArray, int> m_starts;
    QHash<QByteArray, Stream> m_streams;
    QHash<QByteArray, int> m_presented;
    QHash<QByteArray, ScopeProcessing> m_processing;
    std::atomic<bool> m_asyncLoad{false};
};

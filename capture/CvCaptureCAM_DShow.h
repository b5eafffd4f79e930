#pragma once

#include "capture/CameraControls.h"
#include "capture/CameraInfo.h"
#include "config/CameraParam.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QSize>
#include <QString>
#include <QVector>

#include <memory>

class CameraBuffer;
class DeviceState;
class QCamera;

/// The process-wide camera service: lists the cameras that match a device profile, opens and
/// closes them by device id, maps numbered properties onto the platform camera or the
/// grabber's software adjustments, owns each open camera's frame buffer, and turns the
/// grabbers' frame events into sigFrameReady on the GUI thread.
///
/// Every operation runs on the GUI thread; only the grabbers run on camera-layer threads,
/// and they touch nothing but the shared frame buffer and the events they post.
class CvCaptureCAM_DShow final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CvCaptureCAM_DShow)

public:
    /// Created on first use; closes every camera when the application object goes away.
    static CvCaptureCAM_DShow *instance();
    ~CvCaptureCAM_DShow() override;

    void init();
    QVector<CameraInfo> cameraInfo() const { return m_cameraList; }

    /// `format` "YUV" opens uncompressed, anything else MJPG. True when the camera runs.
    bool open(const QString &id, int width, int height, const QString &format);
    void close(const QString &id);
    void removeDevice(const QString &id);
    bool isOpen(const QString &id) const { return m_devices.contains(id); }

    bool setFormat(const QString &id, const QString &format);
    using QObject::setProperty;
    bool setProperty(const QString &id, int prop, int value);
    int getProperty(const QString &id, int prop);
    CameraParam getParam(const QString &id, int prop);
    bool isSupport(const QString &id, int prop);

    void setResver(const QString &id, bool horizontal, bool vertical);
    void resverFlag(const QString &id, bool &horizontal, bool &vertical) const;

    void initBuffer(const QString &id, int width, int height);
    /// The buffer's pixels locked for the caller, or null (not open, or busy).
    uchar *getBuffer(const QString &id);
    void releaseBuffer(const QString &id);
    QSize getBufferSize(const QString &id) const;
    /// The camera's latest frame without a copy (CameraBuffer::shareFrame()); null when the
    /// camera is not open, has no frame yet or is storing one this instant.
    /// `view`, when asked for, receives the frame's view picture if the grabber made one.
    QImage shareFrame(const QString &id, QImage *view = nullptr);
    /// The size the camera's grabber should also scale frames to (CameraBuffer::setViewWanted);
    /// an empty size for none.
    void setViewWanted(const QString &id, QSize size);

    /// Where Linux device nodes are looked up (tests point it at a fake tree).
    void setSysfsRoot(const QString &root) { m_sysfsRoot = root; }
    QString sysfsRoot() const { return m_sysfsRoot; }

signals:
    void sigFrameReady(QString camId, bool needCapture);

protected:
    bool event(QEvent *event) override;

private:
    CvCaptureCAM_DShow();

    /// Software and platform adjustments carried over a stream restart.
    struct Carry
    {
        int brightness = 50;
        int gamma = 50;
        CameraControls::Snapshot platform;
    };

    void startCamera(const QString &id, int width, int height, int format, DeviceState *state,
                     const Carry &carry);
    bool restartStream(const QString &id, DeviceState *state);
    QSharedPointer<QCamera> createCamera(const QString &id, const Carry &carry);

    QVector<CameraInfo> m_cameraList;
    QMap<QString, DeviceState *> m_devices;
    /// Buffers of removed devices that the GUI thread still held; freed when it releases them.
    QHash<QString, std::shared_ptr<CameraBuffer>> m_retired;
    QStringList m_lastDeviceIds;
    /// Per device, the exposure time, gain and white balance it had when this run first
    /// loaded it: the defaults a reset goes back to.
    QHash<QString, QHash<int, int>> m_platformDefaults;
    QString m_sysfsRoot = QStringLiteral("/sys");
    bool m_listing = false;
};

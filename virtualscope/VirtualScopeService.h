#pragma once

#include "virtualscope/FrameStream.h"

#include <QAbstractVideoSurface>
#include <QCamera>
#include <QCameraExposure>
#include <QCameraViewfinderSettings>
#include <QMediaService>
#include <QMultimedia>
#include <QPointer>

class VirtualCameraControl;
class VirtualDeviceSelector;
class VirtualViewfinderSettings;
class VirtualRendererControl;
class VirtualImageProcessing;
class VirtualExposureControl;
class VirtualCameraInfoControl;
class VirtualAvailabilityControl;

/// The media service behind one QCamera of the virtual microscope. It keeps the camera's
/// whole state; the controls are thin views of it. Lives on the GUI thread; only the frame
/// stream's worker runs elsewhere.
class VirtualScopeService final : public QMediaService
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualScopeService)

public:
    explicit VirtualScopeService(QObject *parent = nullptr);
    ~VirtualScopeService() override;

    QMediaControl *requestControl(const char *name) override;
    void releaseControl(QMediaControl *control) override;

    QByteArray deviceId() const { return m_deviceId; }
    void selectDevice(const QByteArray &id);

    QCamera::State state() const { return m_state; }
    QCamera::Status status() const { return m_status; }
    void setState(QCamera::State state);
    QCamera::CaptureModes captureMode() const { return m_captureMode; }
    void setCaptureMode(QCamera::CaptureModes mode);

    QList<QCameraViewfinderSettings> supportedSettings() const;
    /// While streaming, what was negotiated; otherwise what was asked for.
    QCameraViewfinderSettings settings() const
    {
        return m_streaming ? effectiveSettings() : m_settings;
    }
    void setSettings(const QCameraViewfinderSettings &settings);

    QAbstractVideoSurface *surface() const { return m_surface; }
    void setSurface(QAbstractVideoSurface *surface);

    ScopeProcessing processing() const { return m_processing; }
    void setProcessing(const ScopeProcessing &processing);

    QMultimedia::AvailabilityStatus availability() const;

signals:
    void stateChanged(QCamera::State state);
    void statusChanged(QCamera::Status status);
    void error(int error, const QString &message);
    void availabilityChanged(QMultimedia::AvailabilityStatus availability);

private:
    void setStatus(QCamera::Status status);
    bool startStream();
    void stopStream();
    /// Settings completed with the device's defaults: a resolution it offers, a format it has.
    QCameraViewfinderSettings effectiveSettings() const;
    void onDeviceUnplugged(const QByteArray &id);
    void onDevicePlugged(const QByteArray &id);

    QByteArray m_deviceId;
    QCamera::State m_state = QCamera::UnloadedState;
    QCamera::Status m_status = QCamera::UnloadedStatus;
    QCamera::CaptureModes m_captureMode = QCamera::CaptureViewfinder;
    QCameraViewfinderSettings m_settings;
    QPointer<QAbstractVideoSurface> m_surface;
    ScopeProcessing m_processing;
    FrameStream m_stream;
    bool m_streaming = false;

    VirtualCameraControl *m_cameraControl = nullptr;
    VirtualDeviceSelector *m_selector = nullptr;
    VirtualViewfinderSettings *m_viewfinder = nullptr;
    VirtualRendererControl *m_renderer = nullptr;
    VirtualImageProcessing *m_imageProcessing = nullptr;
    VirtualExposureControl *m_exposure = nullptr;
    VirtualCameraInfoControl *m_info = nullptr;
    VirtualAvailabilityControl *m_availability = nullptr;
};

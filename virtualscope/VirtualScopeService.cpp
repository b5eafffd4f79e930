#include "virtualscope/VirtualScopeService.h"

#include "virtualscope/VirtualAvailabilityControl.h"
#include "virtualscope/VirtualCameraControl.h"
#include "virtualscope/VirtualCameraInfoControl.h"
#include "virtualscope/VirtualDeviceSelector.h"
#include "virtualscope/VirtualExposureControl.h"
#include "virtualscope/VirtualImageProcessing.h"
#include "virtualscope/VirtualRendererControl.h"
#include "virtualscope/VirtualScope.h"
#include "virtualscope/VirtualViewfinderSettings.h"

#include <QAbstractVideoSurface>
#include <QTimer>
#include <QVideoSurfaceFormat>

VirtualScopeService::VirtualScopeService(QObject *parent)
    : QMediaService(parent)
    , m_cameraControl(new VirtualCameraControl(this))
    , m_selector(new VirtualDeviceSelector(this))
    , m_viewfinder(new VirtualViewfinderSettings(this))
    , m_renderer(new VirtualRendererControl(this))
    , m_imageProcessing(new VirtualImageProcessing(this))
    , m_exposure(new VirtualExposureControl(this))
    , m_info(new VirtualCameraInfoControl(this))
    , m_availability(new VirtualAvailabilityControl(this))
{
    const QList<VirtualDevice> devices = VirtualScope::instance()->devices();
    if (!devices.isEmpty())
        m_deviceId = devices.first().id;
    connect(VirtualScope::instance(), &VirtualScope::deviceUnplugged, this,
            &VirtualScopeService::onDeviceUnplugged);
    connect(VirtualScope::instance(), &VirtualScope::devicePlugged, this,
            &VirtualScopeService::onDevicePlugged);
}

VirtualScopeService::~VirtualScopeService()
{
    stopStream();
}

QMediaControl *VirtualScopeService::requestControl(const char *name)
{
    // Controls are asked for by interface id, not by class name.
    const QByteArray iid(name);
    const std::pair<const char *, QMediaControl *> controls[] = {
        {QCameraControl_iid, m_cameraControl},
        {QVideoDeviceSelectorControl_iid, m_selector},
        {QCameraViewfinderSettingsControl2_iid, m_viewfinder},
        {QVideoRendererControl_iid, m_renderer},
        {QCameraImageProcessingControl_iid, m_imageProcessing},
        {QCameraExposureControl_iid, m_exposure},
        {QCameraInfoControl_iid, m_info},
        {QMediaAvailabilityControl_iid, m_availability},
    };
    for (const auto &entry : controls) {
        if (iid == entry.first)
            return entry.second;
    }
    return nullptr;
}

void VirtualScopeService::releaseControl(QMediaControl *control)
{
    if (control == m_renderer)
        setSurface(nullptr);
}

void VirtualScopeService::selectDevice(const QByteArray &id)
{
    if (id == m_deviceId)
        return;
    const QCamera::State previous = m_state;
    setState(QCamera::UnloadedState);
    m_deviceId = id;
    m_settings = QCameraViewfinderSettings();
    emit m_selector->selectedDeviceChanged(QString::fromLatin1(id));
    setState(previous);
}

QMultimedia::AvailabilityStatus VirtualScopeService::availability() const
{
    return VirtualScope::instance()->isPresent(m_deviceId) ? QMultimedia::Available
                                                           : QMultimedia::ResourceError;
}

void VirtualScopeService::setStatus(QCamera::Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    emit statusChanged(status);
}

void VirtualScopeService::setState(QCamera::State state)
{
    if (state == m_state)
        return;
    VirtualScope *scope = VirtualScope::instance();
    if (state != QCamera::UnloadedState && !scope->isPresent(m_deviceId)) {
        emit error(QCamera::CameraError, QStringLiteral("The camera is not connected"));
        return;
    }
    if (state == QCamera::ActiveState && !m_streaming &&
        scope->streamFormat(m_deviceId) != QVideoFrame::Format_Invalid) {
        // Like a video device node, a camera streams to one client at a time.
        emit error(QCamera::CameraError, QStringLiteral("The camera is busy"));
        return;
    }
    if (state == QCamera::ActiveState && scope->failsOpen(m_deviceId)) {
        // The device is listed but will not stream, as when another program holds it.
        emit error(QCamera::CameraError, QStringLiteral("The camera could not be opened"));
        return;
    }

    stopStream();
    m_state = state;
    emit stateChanged(state);
    switch (state) {
    case QCamera::UnloadedState: setStatus(QCamera::UnloadedStatus); break;
    case QCamera::LoadedState:
        if (scope->asyncLoad() && m_status == QCamera::UnloadedStatus) {
            setStatus(QCamera::LoadingStatus);
            QTimer::singleShot(0, this, [this] {
                if (m_state == QCamera::LoadedState && m_status == QCamera::LoadingStatus)
                    setStatus(QCamera::LoadedStatus);
            });
        } else {
            setStatus(QCamera::LoadedStatus);
        }
        break;
    case QCamera::ActiveState:
        setStatus(QCamera::LoadedStatus);
        setStatus(QCamera::StartingStatus);
        if (startStream()) {
            setStatus(QCamera::ActiveStatus);
        } else {
            m_state = QCamera::LoadedState;
            emit stateChanged(m_state);
            setStatus(QCamera::LoadedStatus);
        }
        break;
    }
}

void VirtualScopeService::setCaptureMode(QCamera::CaptureModes mode)
{
    if (mode == m_captureMode)
        return;
    m_captureMode = mode;
    emit m_cameraControl->captureModeChanged(mode);
}

QList<QCameraViewfinderSettings> VirtualScopeService::supportedSettings() const
{
    VirtualDevice device;
    if (m_status < QCamera::LoadedStatus || !VirtualScope::instance()->device(m_deviceId, &device))
        return {};
    QList<QCameraViewfinderSettings> result;
    for (const QSize &size : device.resolutions) {
        for (QVideoFrame::PixelFormat format : device.formats) {
            QCameraViewfinderSettings s;
            s.setResolution(size);
            s.setPixelFormat(format);
            const int fps = FrameStream::framesPerSecond(size);
            s.setMinimumFrameRate(fps);
            s.setMaximumFrameRate(fps);
            s.setPixelAspectRatio(1, 1);
            result.append(s);
        }
    }
    return result;
}

QCameraViewfinderSettings VirtualScopeService::effectiveSettings() const
{
    VirtualDevice device;
    QCameraViewfinderSettings s = m_settings;
    if (!VirtualScope::instance()->device(m_deviceId, &device) || device.resolutions.isEmpty())
        return s;
    if (!device.resolutions.contains(s.resolution()))
        s.setResolution(device.resolutions.contains(QSize(640, 480)) ? QSize(640, 480)
                                                                     : device.resolutions.first());
    if (!device.formats.contains(s.pixelFormat()))
        s.setPixelFormat(device.formats.value(0, QVideoFrame::Format_RGB32));
    const int fps = FrameStream::framesPerSecond(s.resolution());
    s.setMinimumFrameRate(fps);
    s.setMaximumFrameRate(fps);
    return s;
}

void VirtualScopeService::setSettings(const QCameraViewfinderSettings &settings)
{
    m_settings = settings;
    // A running camera renegotiates with the surface, as a real driver restarts streaming.
    if (m_streaming) {
        stopStream();
        if (!startStream())
            setState(QCamera::LoadedState);
    }
}

void VirtualScopeService::setSurface(QAbstractVideoSurface *surface)
{
    if (surface == m_surface)
        return;
    const bool wasStreaming = m_streaming;
    stopStream();
    m_surface = surface;
    if (wasStreaming && surface)
        startStream();
}

void VirtualScopeService::setProcessing(const ScopeProcessing &processing)
{
    m_processing = processing;
    m_stream.setProcessing(processing);
    VirtualScope::instance()->noteProcessing(m_deviceId, processing);
}

bool VirtualScopeService::startStream()
{
    if (!m_surface)
        return true; // nothing to show yet; frames flow once a viewfinder is set
    const QCameraViewfinderSettings s = effectiveSettings();
    QVideoSurfaceFormat format(s.resolution(), s.pixelFormat());
    format.setFrameRate(s.maximumFrameRate());
    if (!m_surface->isFormatSupported(format) || !m_surface->start(format)) {
        emit error(QCamera::CameraError, QStringLiteral("The viewfinder refused the frame format"));
        return false;
    }
    m_stream.setProcessing(m_processing);
    m_stream.start(m_surface, m_deviceId, s.resolution(), s.pixelFormat());
    m_streaming = true;
    VirtualScope::instance()->noteStreamStarted(m_deviceId, s.resolution(), s.pixelFormat());
    return true;
}

void VirtualScopeService::stopStream()
{
    if (!m_streaming)
        return;
    m_stream.stop();
    m_streaming = false;
    if (m_surface && m_surface->isActive())
        m_surface->stop();
    VirtualScope::instance()->noteStreamStopped(m_deviceId);
}

void VirtualScopeService::onDeviceUnplugged(const QByteArray &id)
{
    if (id != m_deviceId)
        return;
    stopStream();
    emit availabilityChanged(QMultimedia::ResourceError);
    emit m_selector->devicesChanged();
    if (m_state != QCamera::UnloadedState) {
        m_state = QCamera::UnloadedState;
        emit stateChanged(m_state);
        setStatus(QCamera::UnavailableStatus);
        emit error(QCamera::CameraError, QStringLiteral("The camera was disconnected"));
    }
}

void VirtualScopeService::onDevicePlugged(const QByteArray &id)
{
    emit m_selector->devicesChanged();
    if (id == m_deviceId) {
        if (m_status == QCamera::UnavailableStatus)
            setStatus(QCamera::UnloadedStatus);
        emit availabilityChanged(QMultimedia::Available);
    }
}

#include "virtualscope/VirtualCameraControl.h"

#include "virtualscope/VirtualScopeService.h"

VirtualCameraControl::VirtualCameraControl(VirtualScopeService *service)
    : QCameraControl(service)
    , m_service(service)
{
    connect(service, &VirtualScopeService::stateChanged, this, &QCameraControl::stateChanged);
    connect(service, &VirtualScopeService::statusChanged, this, &QCameraControl::statusChanged);
    connect(service, &VirtualScopeService::error, this, &QCameraControl::error);
}

QCamera::State VirtualCameraControl::state() const
{
    return m_service->state();
}
void VirtualCameraControl::setState(QCamera::State state)
{
    m_service->setState(state);
}
QCamera::Status VirtualCameraControl::status() const
{
    return m_service->status();
}
QCamera::CaptureModes VirtualCameraControl::captureMode() const
{
    return m_service->captureMode();
}

void VirtualCameraControl::setCaptureMode(QCamera::CaptureModes mode)
{
    m_service->setCaptureMode(mode);
}

bool VirtualCameraControl::isCaptureModeSupported(QCamera::CaptureModes mode) const
{
    return mode == QCamera::CaptureViewfinder || mode == QCamera::CaptureStillImage;
}

bool VirtualCameraControl::canChangeProperty(PropertyChangeType, QCamera::Status) const
{
    // Every change is applied at once; a running stream is renegotiated.
    return true;
}

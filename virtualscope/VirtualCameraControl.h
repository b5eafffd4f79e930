#pragma once

#include <QCameraControl>

class VirtualScopeService;

/// State, status and capture mode of a virtual camera.
class VirtualCameraControl final : public QCameraControl
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualCameraControl)

public:
    explicit VirtualCameraControl(VirtualScopeService *service);

    QCamera::State state() const override;
    void setState(QCamera::State state) override;
    QCamera::Status status() const override;
    QCamera::CaptureModes captureMode() const override;
    void setCaptureMode(QCamera::CaptureModes mode) override;
    bool isCaptureModeSupported(QCamera::CaptureModes mode) const override;
    bool canChangeProperty(PropertyChangeType changeType, QCamera::Status status) const override;

private:
    VirtualScopeService *m_service;
};

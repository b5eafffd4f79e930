#pragma once

#include <QVideoRendererControl>

class VirtualScopeService;

/// Connects the camera's video surface (the viewfinder) to the service's frame stream.
class VirtualRendererControl final : public QVideoRendererControl
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualRendererControl)

public:
    explicit VirtualRendererControl(VirtualScopeService *service);

    QAbstractVideoSurface *surface() const override;
    void setSurface(QAbstractVideoSurface *surface) override;

private:
    VirtualScopeService *m_service;
};

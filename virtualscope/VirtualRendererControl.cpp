#include "virtualscope/VirtualRendererControl.h"

#include "virtualscope/VirtualScopeService.h"

VirtualRendererControl::VirtualRendererControl(VirtualScopeService *service)
    : QVideoRendererControl(service)
    , m_service(service)
{}

QAbstractVideoSurface *VirtualRendererControl::surface() const
{
    return m_service->surface();
}

void VirtualRendererControl::setSurface(QAbstractVideoSurface *surface)
{
    m_service->setSurface(surface);
}

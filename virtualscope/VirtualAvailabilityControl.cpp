#include "virtualscope/VirtualAvailabilityControl.h"

#include "virtualscope/VirtualScopeService.h"

VirtualAvailabilityControl::VirtualAvailabilityControl(VirtualScopeService *service)
    : QMediaAvailabilityControl(service)
    , m_service(service)
{
    connect(service, &VirtualScopeService::availabilityChanged, this,
            &QMediaAvailabilityControl::availabilityChanged);
}

QMultimedia::AvailabilityStatus VirtualAvailabilityControl::availability() const
{
    return m_service->availability();
}

#include "virtualscope/VirtualViewfinderSettings.h"

#include "virtualscope/VirtualScopeService.h"

VirtualViewfinderSettings::VirtualViewfinderSettings(VirtualScopeService *service)
    : QCameraViewfinderSettingsControl2(service)
    , m_service(service)
{}

QList<QCameraViewfinderSettings> VirtualViewfinderSettings::supportedViewfinderSettings() const
{
    return m_service->supportedSettings();
}

QCameraViewfinderSettings VirtualViewfinderSettings::viewfinderSettings() const
{
    return m_service->settings();
}

void VirtualViewfinderSettings::setViewfinderSettings(const QCameraViewfinderSettings &settings)
{
    m_service->setSettings(settings);
}

#include "virtualscope/VirtualDeviceSelector.h"

#include "virtualscope/VirtualScope.h"
#include "virtualscope/VirtualScopeService.h"

VirtualDeviceSelector::VirtualDeviceSelector(VirtualScopeService *service)
    : QVideoDeviceSelectorControl(service)
    , m_service(service)
{}

int VirtualDeviceSelector::deviceCount() const
{
    return VirtualScope::instance()->devices().size();
}

QString VirtualDeviceSelector::deviceName(int index) const
{
    const QList<VirtualDevice> devices = VirtualScope::instance()->devices();
    return index >= 0 && index < devices.size() ? QString::fromLatin1(devices.at(index).id)
                                                : QString();
}

QString VirtualDeviceSelector::deviceDescription(int index) const
{
    const QList<VirtualDevice> devices = VirtualScope::instance()->devices();
    return index >= 0 && index < devices.size() ? devices.at(index).description : QString();
}

int VirtualDeviceSelector::defaultDevice() const
{
    return deviceCount() > 0 ? 0 : -1;
}

int VirtualDeviceSelector::selectedDevice() const
{
    const QList<VirtualDevice> devices = VirtualScope::instance()->devices();
    for (int i = 0; i < devices.size(); ++i) {
        if (devices.at(i).id == m_service->deviceId())
            return i;
    }
    return -1;
}

void VirtualDeviceSelector::setSelectedDevice(int index)
{
    const QList<VirtualDevice> devices = VirtualScope::instance()->devices();
    if (index < 0 || index >= devices.size())
        return;
    m_service->selectDevice(devices.at(index).id);
    emit selectedDeviceChanged(index);
}

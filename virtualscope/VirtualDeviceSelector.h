#pragma once

#include <QVideoDeviceSelectorControl>

class VirtualScopeService;

/// Lists the plugged-in virtual cameras and selects the service's device by name.
class VirtualDeviceSelector final : public QVideoDeviceSelectorControl
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualDeviceSelector)

public:
    explicit VirtualDeviceSelector(VirtualScopeService *service);

    int deviceCount() const override;
    QString deviceName(int index) const override;
    QString deviceDescription(int index) const override;
    int defaultDevice() const override;
    int selectedDevice() const override;
    void setSelectedDevice(int index) override;

private:
    VirtualScopeService *m_service;
};

#pragma once

#include <QCameraViewfinderSettingsControl2>

class VirtualScopeService;

/// Offers every resolution and pixel format of the device and applies the chosen one.
class VirtualViewfinderSettings final : public QCameraViewfinderSettingsControl2
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualViewfinderSettings)

public:
    explicit VirtualViewfinderSettings(VirtualScopeService *service);

    QList<QCameraViewfinderSettings> supportedViewfinderSettings() const override;
    QCameraViewfinderSettings viewfinderSettings() const override;
    void setViewfinderSettings(const QCameraViewfinderSettings &settings) override;

private:
    VirtualScopeService *m_service;
};

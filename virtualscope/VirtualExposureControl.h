#pragma once

#include <QCameraExposureControl>

class VirtualScopeService;

/// Exposure mode (automatic by default), shutter time and sensitivity; the manual shutter time
/// counts only in manual mode.
class VirtualExposureControl final : public QCameraExposureControl
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualExposureControl)

public:
    explicit VirtualExposureControl(VirtualScopeService *service);

    bool isParameterSupported(ExposureParameter parameter) const override;
    QVariantList supportedParameterRange(ExposureParameter parameter,
                                         bool *continuous) const override;
    QVariant requestedValue(ExposureParameter parameter) const override;
    QVariant actualValue(ExposureParameter parameter) const override;
    bool setValue(ExposureParameter parameter, const QVariant &value) override;

private:
    VirtualScopeService *m_service;
};

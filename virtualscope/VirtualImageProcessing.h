#pragma once

#include <QCameraImageProcessingControl>

class VirtualScopeService;

/// Contrast, saturation, sharpening, hue and the white balance (automatic, or manual with
/// channel gains), rendered into the frames.
class VirtualImageProcessing final : public QCameraImageProcessingControl
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualImageProcessing)

public:
    explicit VirtualImageProcessing(VirtualScopeService *service);

    bool isParameterSupported(ProcessingParameter parameter) const override;
    bool isParameterValueSupported(ProcessingParameter parameter,
                                   const QVariant &value) const override;
    QVariant parameter(ProcessingParameter parameter) const override;
    void setParameter(ProcessingParameter parameter, const QVariant &value) override;

private:
    VirtualScopeService *m_service;
};

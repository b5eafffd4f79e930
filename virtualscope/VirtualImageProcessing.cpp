#include "virtualscope/VirtualImageProcessing.h"

#include "virtualscope/VirtualScopeService.h"

#include <algorithm>

VirtualImageProcessing::VirtualImageProcessing(VirtualScopeService *service)
    : QCameraImageProcessingControl(service)
    , m_service(service)
{}

bool VirtualImageProcessing::isParameterSupported(ProcessingParameter parameter) const
{
    return parameter == ContrastAdjustment || parameter == SaturationAdjustment ||
           parameter == SharpeningAdjustment;
}

bool VirtualImageProcessing::isParameterValueSupported(ProcessingParameter parameter,
                                                       const QVariant &value) const
{
    bool ok = false;
    const double v = value.toDouble(&ok);
    return isParameterSupported(parameter) && ok && v >= -1.0 && v <= 1.0;
}

QVariant VirtualImageProcessing::parameter(ProcessingParameter parameter) const
{
    const ScopeProcessing p = m_service->processing();
    switch (parameter) {
    case ContrastAdjustment: return p.contrast;
    case SaturationAdjustment: return p.saturation;
    case SharpeningAdjustment: return p.sharpening;
    default: return {};
    }
}

void VirtualImageProcessing::setParameter(ProcessingParameter parameter, const QVariant &value)
{
    ScopeProcessing p = m_service->processing();
    const double v = std::clamp(value.toDouble(), -1.0, 1.0);
    switch (parameter) {
    case ContrastAdjustment: p.contrast = v; break;
    case SaturationAdjustment: p.saturation = v; break;
    case SharpeningAdjustment: p.sharpening = v; break;
    default: return;
    }
    m_service->setProcessing(p);
}

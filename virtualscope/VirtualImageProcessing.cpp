#include "virtualscope/VirtualImageProcessing.h"

#include "capture/ExtendedProcessing.h"
#include "virtualscope/VirtualScopeService.h"

#include <QCameraImageProcessing>

#include <algorithm>

namespace {

/// The level fields of the processing record, by parameter; null for the others.
double *levelOf(ScopeProcessing &p, QCameraImageProcessingControl::ProcessingParameter parameter)
{
    switch (int(parameter)) {
    case QCameraImageProcessingControl::ContrastAdjustment: return &p.contrast;
    case QCameraImageProcessingControl::SaturationAdjustment: return &p.saturation;
    case QCameraImageProcessingControl::SharpeningAdjustment: return &p.sharpening;
    case ExtendedProcessing::Hue: return &p.hue;
    case ExtendedProcessing::RedGain: return &p.redGain;
    case ExtendedProcessing::GreenGain: return &p.greenGain;
    case ExtendedProcessing::BlueGain: return &p.blueGain;
    default: return nullptr;
    }
}

bool isWhiteBalanceMode(const QVariant &value)
{
    if (!value.canConvert<QCameraImageProcessing::WhiteBalanceMode>())
        return false;
    const auto mode = value.value<QCameraImageProcessing::WhiteBalanceMode>();
    return mode == QCameraImageProcessing::WhiteBalanceAuto ||
           mode == QCameraImageProcessing::WhiteBalanceManual;
}

} // namespace

VirtualImageProcessing::VirtualImageProcessing(VirtualScopeService *service)
    : QCameraImageProcessingControl(service)
    , m_service(service)
{}

bool VirtualImageProcessing::isParameterSupported(ProcessingParameter parameter) const
{
    ScopeProcessing p;
    return parameter == WhiteBalancePreset || levelOf(p, parameter) != nullptr;
}

bool VirtualImageProcessing::isParameterValueSupported(ProcessingParameter parameter,
                                                       const QVariant &value) const
{
    if (parameter == WhiteBalancePreset)
        return isWhiteBalanceMode(value);
    bool ok = false;
    const double v = value.toDouble(&ok);
    return isParameterSupported(parameter) && ok && v >= -1.0 && v <= 1.0;
}

QVariant VirtualImageProcessing::parameter(ProcessingParameter parameter) const
{
    ScopeProcessing p = m_service->processing();
    if (parameter == WhiteBalancePreset) {
        return QVariant::fromValue(p.autoWhiteBalance ? QCameraImageProcessing::WhiteBalanceAuto
                                                      : QCameraImageProcessing::WhiteBalanceManual);
    }
    const double *level = levelOf(p, parameter);
    return level ? QVariant(*level) : QVariant();
}

void VirtualImageProcessing::setParameter(ProcessingParameter parameter, const QVariant &value)
{
    ScopeProcessing p = m_service->processing();
    if (parameter == WhiteBalancePreset) {
        if (!isWhiteBalanceMode(value))
            return;
        p.autoWhiteBalance = value.value<QCameraImageProcessing::WhiteBalanceMode>() ==
                             QCameraImageProcessing::WhiteBalanceAuto;
    } else if (double *level = levelOf(p, parameter)) {
        *level = std::clamp(value.toDouble(), -1.0, 1.0);
    } else {
        return;
    }
    m_service->setProcessing(p);
}

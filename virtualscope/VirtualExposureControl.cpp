#include "virtualscope/VirtualExposureControl.h"

#include "virtualscope/VirtualScopeService.h"

VirtualExposureControl::VirtualExposureControl(VirtualScopeService *service)
    : QCameraExposureControl(service)
    , m_service(service)
{}

bool VirtualExposureControl::isParameterSupported(ExposureParameter parameter) const
{
    return parameter == ExposureMode;
}

QVariantList VirtualExposureControl::supportedParameterRange(ExposureParameter parameter,
                                                             bool *continuous) const
{
    if (continuous)
        *continuous = false;
    if (parameter != ExposureMode)
        return {};
    return {QVariant::fromValue(QCameraExposure::ExposureAuto),
            QVariant::fromValue(QCameraExposure::ExposureManual)};
}

QVariant VirtualExposureControl::requestedValue(ExposureParameter parameter) const
{
    return actualValue(parameter);
}

QVariant VirtualExposureControl::actualValue(ExposureParameter parameter) const
{
    if (parameter != ExposureMode)
        return {};
    return QVariant::fromValue(m_service->exposureMode());
}

bool VirtualExposureControl::setValue(ExposureParameter parameter, const QVariant &value)
{
    if (parameter != ExposureMode || !value.canConvert<QCameraExposure::ExposureMode>())
        return false;
    const auto mode = value.value<QCameraExposure::ExposureMode>();
    if (mode != QCameraExposure::ExposureAuto && mode != QCameraExposure::ExposureManual)
        return false;
    m_service->setExposureMode(mode);
    emit requestedValueChanged(ExposureMode);
    emit actualValueChanged(ExposureMode);
    return true;
}

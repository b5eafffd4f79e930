#include "virtualscope/VirtualExposureControl.h"

#include "virtualscope/VirtualScopeService.h"

#include <algorithm>

namespace {
// Shutter times and sensitivities the virtual sensor offers, both continuous.
constexpr double kMinShutter = 1.0 / 1000.0;
constexpr double kMaxShutter = 1.0 / 4.0;
constexpr int kMinIso = 100;
constexpr int kMaxIso = 1600;
} // namespace

VirtualExposureControl::VirtualExposureControl(VirtualScopeService *service)
    : QCameraExposureControl(service)
    , m_service(service)
{}

bool VirtualExposureControl::isParameterSupported(ExposureParameter parameter) const
{
    return parameter == ExposureMode || parameter == ShutterSpeed || parameter == ISO;
}

QVariantList VirtualExposureControl::supportedParameterRange(ExposureParameter parameter,
                                                             bool *continuous) const
{
    if (continuous)
        *continuous = parameter != ExposureMode;
    switch (parameter) {
    case ExposureMode:
        return {QVariant::fromValue(QCameraExposure::ExposureAuto),
                QVariant::fromValue(QCameraExposure::ExposureManual)};
    case ShutterSpeed: return {kMinShutter, kMaxShutter};
    case ISO: return {kMinIso, kMaxIso};
    default: return {};
    }
}

QVariant VirtualExposureControl::requestedValue(ExposureParameter parameter) const
{
    return actualValue(parameter);
}

QVariant VirtualExposureControl::actualValue(ExposureParameter parameter) const
{
    const ScopeProcessing p = m_service->processing();
    switch (parameter) {
    case ExposureMode:
        return QVariant::fromValue(p.manualExposure ? QCameraExposure::ExposureManual
                                                    : QCameraExposure::ExposureAuto);
    case ShutterSpeed: return p.shutterSeconds;
    case ISO: return p.iso;
    default: return {};
    }
}

bool VirtualExposureControl::setValue(ExposureParameter parameter, const QVariant &value)
{
    ScopeProcessing p = m_service->processing();
    bool ok = false;
    switch (parameter) {
    case ExposureMode: {
        if (!value.canConvert<QCameraExposure::ExposureMode>())
            return false;
        const auto mode = value.value<QCameraExposure::ExposureMode>();
        if (mode != QCameraExposure::ExposureAuto && mode != QCameraExposure::ExposureManual)
            return false;
        p.manualExposure = mode == QCameraExposure::ExposureManual;
        break;
    }
    case ShutterSpeed: {
        const double seconds = value.toDouble(&ok);
        if (!ok)
            return false;
        p.shutterSeconds = std::clamp(seconds, kMinShutter, kMaxShutter);
        break;
    }
    case ISO: {
        const int iso = value.toInt(&ok);
        if (!ok)
            return false;
        p.iso = std::clamp(iso, kMinIso, kMaxIso);
        break;
    }
    default: return false;
    }
    m_service->setProcessing(p);
    emit requestedValueChanged(parameter);
    emit actualValueChanged(parameter);
    return true;
}

#include "capture/CameraControls.h"

#include "capture/CameraProperty.h"
#include "capture/ExtendedProcessing.h"

#include <QCamera>
#include <QCameraExposure>
#include <QCameraImageProcessing>
#include <QCameraImageProcessingControl>
#include <QMediaService>

#include <algorithm>
#include <cmath>

namespace CameraControls {

namespace {

using namespace CameraProperty;

/// Platform level (-1 … +1) as a 0 … 100 slider value, truncated. The small bias keeps a
/// value set through toLevel() from reading back one lower because of binary rounding.
int fromLevel(double level)
{
    return int((level + 1.0) * 50.0 + 1e-9);
}
double toLevel(int value)
{
    return (std::clamp(value, 0, 100) - 50) / 50.0;
}

/// The image-processing control itself, for the parameters QCameraImageProcessing does not
/// wrap; handed back to the service when it goes out of scope.
class ProcessingControl
{
public:
    explicit ProcessingControl(QCamera &camera)
        : m_service(camera.service())
    {
        if (m_service)
            m_control = m_service->requestControl<QCameraImageProcessingControl *>();
    }
    ~ProcessingControl()
    {
        if (m_control)
            m_service->releaseControl(m_control);
    }
    ProcessingControl(const ProcessingControl &) = delete;
    ProcessingControl &operator=(const ProcessingControl &) = delete;

    bool supports(QCameraImageProcessingControl::ProcessingParameter parameter) const
    {
        return m_control && m_control->isParameterSupported(parameter);
    }
    QCameraImageProcessingControl *operator->() const { return m_control; }

private:
    QMediaService *m_service = nullptr;
    QCameraImageProcessingControl *m_control = nullptr;
};

QCameraImageProcessingControl::ProcessingParameter extendedParameter(int prop)
{
    switch (prop) {
    case Hue: return ExtendedProcessing::Hue;
    case RedGain: return ExtendedProcessing::RedGain;
    case GreenGain: return ExtendedProcessing::GreenGain;
    default: return ExtendedProcessing::BlueGain;
    }
}

/// Offered shutter times in whole milliseconds (at least 1), or an empty range.
bool shutterRange(QCameraExposure *exposure, int *minMs, int *maxMs)
{
    bool continuous = false;
    const QList<qreal> speeds = exposure->supportedShutterSpeeds(&continuous);
    if (!exposure->isAvailable() || speeds.isEmpty())
        return false;
    const auto [lo, hi] = std::minmax_element(speeds.cbegin(), speeds.cend());
    *minMs = std::max(1, int(std::lround(*lo * 1000.0)));
    *maxMs = std::max(*minMs, int(std::lround(*hi * 1000.0)));
    return true;
}

bool isoRange(QCameraExposure *exposure, int *lo, int *hi)
{
    bool continuous = false;
    const QList<int> isos = exposure->supportedIsoSensitivities(&continuous);
    if (!exposure->isAvailable() || isos.isEmpty())
        return false;
    *lo = *std::min_element(isos.cbegin(), isos.cend());
    *hi = *std::max_element(isos.cbegin(), isos.cend());
    return true;
}

bool whiteBalanceOffered(QCameraImageProcessing *processing)
{
    return processing->isAvailable() &&
           processing->isWhiteBalanceModeSupported(QCameraImageProcessing::WhiteBalanceAuto) &&
           processing->isWhiteBalanceModeSupported(QCameraImageProcessing::WhiteBalanceManual);
}

void setExposureModes(CameraParam &param, QCameraExposure *exposure)
{
    param.caps = (exposure->isExposureModeSupported(QCameraExposure::ExposureAuto) ? 1 : 0) |
                 (exposure->isExposureModeSupported(QCameraExposure::ExposureManual) ? 2 : 0);
    param.flags = exposure->exposureMode() == QCameraExposure::ExposureAuto ? 1 : 2;
}

void setLevelRange(CameraParam &param, double level)
{
    param.valid = true;
    param.minValue = 0;
    param.maxValue = 100;
    param.defaultValue = 50;
    param.step = 1;
    param.value = fromLevel(level);
}

} // namespace

bool handles(int prop)
{
    switch (prop) {
    case Contrast:
    case Saturation:
    case Hue:
    case Gain:
    case Exposure:
    case WhiteBalance:
    case Sharpness:
    case AutoExposure:
    case RedGain:
    case GreenGain:
    case BlueGain: return true;
    default: return false;
    }
}

bool set(QCamera &camera, int prop, int value)
{
    QCameraImageProcessing *processing = camera.imageProcessing();
    QCameraExposure *exposure = camera.exposure();
    int lo = 0;
    int hi = 0;
    switch (prop) {
    case Contrast:
    case Saturation:
    case Sharpness:
        if (!processing->isAvailable())
            return false;
        if (prop == Contrast)
            processing->setContrast(toLevel(value));
        else if (prop == Saturation)
            processing->setSaturation(toLevel(value));
        else
            processing->setSharpeningLevel(toLevel(value));
        return true;
    case Hue:
    case RedGain:
    case GreenGain:
    case BlueGain: {
        ProcessingControl control(camera);
        if (!control.supports(extendedParameter(prop)))
            return false;
        control->setParameter(extendedParameter(prop), toLevel(value));
        return true;
    }
    case Exposure:
        if (!shutterRange(exposure, &lo, &hi))
            return false;
        exposure->setManualShutterSpeed(std::clamp(value, lo, hi) / 1000.0);
        return true;
    case Gain:
        if (!isoRange(exposure, &lo, &hi))
            return false;
        exposure->setManualIsoSensitivity(std::clamp(value, lo, hi));
        return true;
    case WhiteBalance:
        if (!whiteBalanceOffered(processing))
            return false;
        processing->setWhiteBalanceMode(value ? QCameraImageProcessing::WhiteBalanceAuto
                                              : QCameraImageProcessing::WhiteBalanceManual);
        return true;
    case AutoExposure: {
        const auto mode =
            value == 1 ? QCameraExposure::ExposureAuto : QCameraExposure::ExposureManual;
        if (!exposure->isAvailable() || !exposure->isExposureModeSupported(mode))
            return false;
        exposure->setExposureMode(mode);
        return true;
    }
    default: return false;
    }
}

CameraParam param(QCamera &camera, int prop, const QHash<int, int> &defaults)
{
    CameraParam param;
    QCameraImageProcessing *processing = camera.imageProcessing();
    QCameraExposure *exposure = camera.exposure();
    switch (prop) {
    case Contrast:
    case Saturation:
    case Sharpness:
        if (!processing->isAvailable())
            return param;
        setLevelRange(param, prop == Contrast     ? processing->contrast()
                             : prop == Saturation ? processing->saturation()
                                                  : processing->sharpeningLevel());
        return param;
    case Hue:
    case RedGain:
    case GreenGain:
    case BlueGain: {
        ProcessingControl control(camera);
        if (!control.supports(extendedParameter(prop)))
            return param;
        setLevelRange(param, control->parameter(extendedParameter(prop)).toDouble());
        return param;
    }
    case Exposure:
    case Gain: {
        int lo = 0;
        int hi = 0;
        const bool offered =
            prop == Exposure ? shutterRange(exposure, &lo, &hi) : isoRange(exposure, &lo, &hi);
        if (!offered)
            return param;
        param.valid = true;
        param.minValue = lo;
        param.maxValue = hi;
        param.step = 1;
        // A camera in automatic mode may report no current value: the range's low end then.
        const int current = prop == Exposure ? int(std::lround(exposure->shutterSpeed() * 1000.0))
                                             : exposure->isoSensitivity();
        param.value = std::clamp(current, lo, hi);
        param.defaultValue = std::clamp(defaults.value(prop, param.value), lo, hi);
        if (prop == Exposure)
            setExposureModes(param, exposure);
        return param;
    }
    case WhiteBalance:
        if (!whiteBalanceOffered(processing))
            return param;
        param.valid = true;
        param.maxValue = 1;
        param.step = 1;
        param.value =
            processing->whiteBalanceMode() == QCameraImageProcessing::WhiteBalanceAuto ? 1 : 0;
        param.defaultValue = defaults.value(prop, 1);
        return param;
    case AutoExposure:
        param.valid = true;
        setExposureModes(param, exposure);
        return param;
    default: return param;
    }
}

Snapshot snapshot(QCamera &camera)
{
    Snapshot result;
    result.valid = true;
    // The mode before the time: setting a manual time must not be undone by the mode.
    for (int prop : {AutoExposure, Exposure, Gain, WhiteBalance, Contrast, Saturation, Sharpness,
                     Hue, RedGain, GreenGain, BlueGain}) {
        const CameraParam p = param(camera, prop);
        if (p.valid)
            result.values.insert(prop, prop == AutoExposure ? p.flags : p.value);
    }
    // In automatic exposure the camera chooses time and sensitivity itself; forcing what it
    // happened to use onto the new stream would turn them manual on some backends.
    if (result.values.value(AutoExposure) == 1) {
        result.values.remove(Exposure);
        result.values.remove(Gain);
    }
    return result;
}

void apply(QCamera &camera, const Snapshot &snapshot)
{
    if (!snapshot.valid)
        return;
    for (int prop : {AutoExposure, Exposure, Gain, WhiteBalance, Contrast, Saturation, Sharpness,
                     Hue, RedGain, GreenGain, BlueGain}) {
        const auto it = snapshot.values.constFind(prop);
        if (it != snapshot.values.cend())
            set(camera, prop, it.value());
    }
}

} // namespace CameraControls

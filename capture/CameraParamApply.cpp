#include "capture/CameraParamApply.h"

#include "capture/CameraParamNames.h"
#include "capture/CvCaptureCAM_DShow.h"

namespace CameraParamApply {

namespace {
constexpr int kAutoExposure = 21;
constexpr int kExposure = 15;
constexpr int kWhiteBalance = 17;
constexpr int kGains[] = {39, 40, 41};
} // namespace

void applySwitch(CvCaptureCAM_DShow &cam, const QString &id, CameraConfig &config,
                 const QString &name, bool on)
{
    if (name == QStringLiteral("水平翻转")) {
        config.flipHorizontal = on;
        cam.setResver(id, on, config.flipVertical);
    } else if (name == QStringLiteral("垂直翻转")) {
        config.flipVertical = on;
        cam.setResver(id, config.flipHorizontal, on);
    } else if (name == QStringLiteral("黑白")) {
        config.blackWhite = on; // the window greys the picture it shows
    } else if (name == QStringLiteral("自动曝光")) {
        config.exposure.setAuto(on);
        cam.setProperty(id, kAutoExposure, on ? 1 : 2);
        if (!on)
            cam.setProperty(id, kExposure, config.exposure.value);
    } else if (name == QStringLiteral("自动白平衡")) {
        config.autoWhiteBalance = on;
        cam.setProperty(id, kWhiteBalance, on ? 1 : 0);
        if (!on) {
            cam.setProperty(id, kGains[0], int(config.redGain));
            cam.setProperty(id, kGains[1], int(config.greenGain));
            cam.setProperty(id, kGains[2], int(config.blueGain));
        }
    }
}

void applySlider(CvCaptureCAM_DShow &cam, const QString &id, CameraConfig &config,
                 const QString &name, int value)
{
    const int prop = CameraParamNames::storeSlider(config, name, value);
    if (prop >= 0)
        cam.setProperty(id, prop, value);
}

void resetCameraDefaults(CvCaptureCAM_DShow &cam, const QString &id, CameraConfig &config)
{
    double *gains[] = {&config.redGain, &config.greenGain, &config.blueGain};
    for (int i = 0; i < 3; ++i) {
        const CameraParam param = cam.getParam(id, kGains[i]);
        if (param.valid)
            *gains[i] = param.defaultValue;
    }
    const CameraParam whiteBalance = cam.getParam(id, kWhiteBalance);
    if (whiteBalance.valid)
        config.autoWhiteBalance = whiteBalance.defaultValue != 0;
    // A camera that can expose by itself goes back to doing so.
    if (config.exposure.isAutoSupport())
        config.exposure.setAuto(true);
}

} // namespace CameraParamApply

#include "capture/CameraParamApply.h"

#include "capture/CameraParamNames.h"
#include "capture/CameraProperty.h"
#include "capture/CvCaptureCAM_DShow.h"

namespace CameraParamApply {

using namespace CameraProperty;

namespace {
constexpr Id kGains[] = {RedGain, GreenGain, BlueGain};
} // namespace

void readCameraParams(CvCaptureCAM_DShow &cam, const QString &id, CameraConfig &config)
{
    config.paramsRead = true;
    config.resolution = QSize(cam.getProperty(id, Width), cam.getProperty(id, Height));
    config.exposure = cam.getParam(id, Exposure);
    config.gain = cam.getParam(id, Gain);
    config.brightness = cam.getParam(id, Brightness);
    config.contrast = cam.getParam(id, Contrast);
    config.hue = cam.getParam(id, Hue);
    config.saturation = cam.getParam(id, Saturation);
    config.sharpness = cam.getParam(id, Sharpness);
    config.gamma = cam.getParam(id, Gamma);
    config.redGain = double(cam.getProperty(id, RedGain));
    config.greenGain = double(cam.getProperty(id, GreenGain));
    config.blueGain = double(cam.getProperty(id, BlueGain));
    // The switch must show the mode the camera is really in, or the gains would look active
    // while the camera ignores them.
    const CameraParam whiteBalance = cam.getParam(id, WhiteBalance);
    if (whiteBalance.valid)
        config.autoWhiteBalance = whiteBalance.value != 0;
}

void writeCameraParams(CvCaptureCAM_DShow &cam, const QString &id, const CameraConfig &config)
{
    cam.setResver(id, config.flipHorizontal, config.flipVertical);
    // Same size as running: no restart.
    cam.setProperty(id, Width, config.resolution.width());
    cam.setProperty(id, Height, config.resolution.height());

    // A parameter the camera did not report when it was read holds no value worth pushing
    // (a zero brightness would black out the picture).
    const auto push = [&cam, &id](Id prop, const CameraParam &param) {
        if (param.valid)
            cam.setProperty(id, prop, param.value);
    };
    push(Exposure, config.exposure);
    cam.setProperty(id, RedGain, int(config.redGain));
    cam.setProperty(id, GreenGain, int(config.greenGain));
    cam.setProperty(id, BlueGain, int(config.blueGain));
    cam.setProperty(id, WhiteBalance, config.autoWhiteBalance ? 1 : 0);
    push(Brightness, config.brightness);
    push(Contrast, config.contrast);
    push(Hue, config.hue);
    push(Saturation, config.saturation);
    push(Sharpness, config.sharpness);
    push(Gamma, config.gamma);
    cam.setProperty(id, AutoExposure, config.exposure.isAuto() ? 1 : 2);
    if (!config.exposure.isAuto())
        push(Gain, config.gain);
}

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
        cam.setProperty(id, AutoExposure, on ? 1 : 2);
        if (!on)
            cam.setProperty(id, Exposure, config.exposure.value);
    } else if (name == QStringLiteral("自动白平衡")) {
        config.autoWhiteBalance = on;
        cam.setProperty(id, WhiteBalance, on ? 1 : 0);
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
    const CameraParam whiteBalance = cam.getParam(id, WhiteBalance);
    if (whiteBalance.valid)
        config.autoWhiteBalance = whiteBalance.defaultValue != 0;
    // A camera that can expose by itself goes back to doing so.
    if (config.exposure.isAutoSupport())
        config.exposure.setAuto(true);
}

} // namespace CameraParamApply

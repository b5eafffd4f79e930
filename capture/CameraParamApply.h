#pragma once

#include "config/CameraConfig.h"

#include <QString>

class CvCaptureCAM_DShow;

/// One change made on the camera parameter panel, applied to a camera's stored record and
/// pushed to the camera service. The caller stores the record back; the widgets are its own
/// business. GUI thread only.
namespace CameraParamApply {

/// A switch by name ("水平翻转", "垂直翻转", "黑白", "自动曝光", "自动白平衡").
void applySwitch(CvCaptureCAM_DShow &cam, const QString &id, CameraConfig &config,
                 const QString &name, bool on);
/// A slider by name; a name that drives nothing ("色温") changes nothing.
void applySlider(CvCaptureCAM_DShow &cam, const QString &id, CameraConfig &config,
                 const QString &name, int value);
/// The parts of a reset that the record's own reset does not know: the channel gains go back
/// to the camera's neutral values, the white balance and exposure to the camera's defaults.
void resetCameraDefaults(CvCaptureCAM_DShow &cam, const QString &id, CameraConfig &config);

} // namespace CameraParamApply

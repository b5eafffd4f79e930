#pragma once

#include "config/CameraConfig.h"

#include <QString>

class CvCaptureCAM_DShow;

/// A camera's parameters between its stored record and the camera service: the whole set read
/// or written, and one change made on the camera parameter panel. The caller stores the record
/// back; the widgets are its own business. GUI thread only.
namespace CameraParamApply {

/// Takes the camera's resolution, parameters and channel gains into the record and marks it
/// read.
void readCameraParams(CvCaptureCAM_DShow &cam, const QString &id, CameraConfig &config);
/// Pushes the record to the camera: flips, size (no restart at the running size), then the
/// parameters in the order the camera expects them, the exposure mode last.
void writeCameraParams(CvCaptureCAM_DShow &cam, const QString &id, const CameraConfig &config);

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

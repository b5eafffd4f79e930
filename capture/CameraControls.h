#pragma once

#include "config/CameraParam.h"

#include <QHash>

class QCamera;

/// The camera adjustments that live in the platform camera rather than in the grabber:
/// contrast, saturation, sharpness and hue (levels), exposure mode and time, sensitivity,
/// white-balance mode and the channel gains. Property numbers are the camera service's:
/// 11 contrast, 12 saturation, 13 hue, 14 gain (ISO), 15 exposure time (ms), 17 automatic
/// white balance, 20 sharpness, 21 automatic exposure, 39/40/41 red/green/blue gain.
/// A property the camera does not offer reads invalid and refuses writes. GUI thread only.
namespace CameraControls {

/// True for the numbers this layer handles.
bool handles(int prop);

/// Pushes a value; false when the camera does not offer the property.
bool set(QCamera &camera, int prop, int value);
/// Value, range and mode of a property. `defaults` (property → value) supplies the defaults
/// of the properties without a neutral middle (exposure time, gain, white balance).
CameraParam param(QCamera &camera, int prop, const QHash<int, int> &defaults = {});

/// What a camera holds of these adjustments, to give a new QCamera of the same device after a
/// stream restart.
struct Snapshot
{
    bool valid = false;
    QHash<int, int> values; ///< property → value, for every offered property
};
Snapshot snapshot(QCamera &camera);
void apply(QCamera &camera, const Snapshot &snapshot);

} // namespace CameraControls

#pragma once

/// The property numbers of the camera service's `getProperty`/`setProperty`/`getParam`: the
/// numbers the settings records store, so they never change. Numbers not listed are not
/// supported.
namespace CameraProperty {

enum Id : int {
    Width = 3,
    Height = 4,
    FrameRate = 5,
    Format = 6,
    Brightness = 10,
    Contrast = 11,
    Saturation = 12,
    Hue = 13,
    Gain = 14,
    Exposure = 15,
    WhiteBalance = 17,
    Monochrome = 19,
    Sharpness = 20,
    AutoExposure = 21,
    Gamma = 22,
    RedGain = 39,
    GreenGain = 40,
    BlueGain = 41,
};

} // namespace CameraProperty

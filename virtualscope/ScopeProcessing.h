#pragma once

/// Camera-side picture adjustments. The levels are each -1 … +1, 0 = unchanged.
struct ScopeProcessing
{
    double contrast = 0.0;
    double saturation = 0.0;
    double sharpening = 0.0;
    double hue = 0.0; ///< -1 … +1 turns the colours by -180° … +180°

    /// Exposure: in automatic mode the picture keeps its nominal brightness; in manual mode
    /// it scales with the shutter time against a nominal 1/30 s and with the sensitivity
    /// (ISO, 100 = nominal).
    bool manualExposure = false;
    double shutterSeconds = 1.0 / 30.0;
    int iso = 100;

    /// White balance: automatic keeps the colours; manual applies the channel gains.
    bool autoWhiteBalance = true;
    double redGain = 0.0; ///< levels: the channel times 1 + level
    double greenGain = 0.0;
    double blueGain = 0.0;

    bool operator==(const ScopeProcessing &o) const
    {
        return contrast == o.contrast && saturation == o.saturation && sharpening == o.sharpening &&
               hue == o.hue && manualExposure == o.manualExposure &&
               shutterSeconds == o.shutterSeconds && iso == o.iso &&
               autoWhiteBalance == o.autoWhiteBalance && redGain == o.redGain &&
               greenGain == o.greenGain && blueGain == o.blueGain;
    }
};

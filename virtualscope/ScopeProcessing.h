#pragma once

/// Camera-side picture adjustments, each -1 … +1.
struct ScopeProcessing
{
    double contrast = 0.0;
    double saturation = 0.0;
    double sharpening = 0.0;
};

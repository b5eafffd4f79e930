#pragma once

#include <QCameraImageProcessingControl>

/// Picture adjustments for which Qt's image-processing control has no parameter of its own.
/// A backend that offers them answers these extended parameters, each a level -1 … +1 with 0
/// leaving the picture unchanged (hue: -1 … +1 turns the colours by -180° … +180°; a channel
/// gain: the channel times 1 + level, in manual white balance). A backend that does not know
/// them reports them unsupported, and the matching controls stay disabled.
namespace ExtendedProcessing {

constexpr int kFirst = QCameraImageProcessingControl::ExtendedParameter;

constexpr auto Hue = QCameraImageProcessingControl::ProcessingParameter(kFirst + 0);
constexpr auto RedGain = QCameraImageProcessingControl::ProcessingParameter(kFirst + 1);
constexpr auto GreenGain = QCameraImageProcessingControl::ProcessingParameter(kFirst + 2);
constexpr auto BlueGain = QCameraImageProcessingControl::ProcessingParameter(kFirst + 3);

} // namespace ExtendedProcessing

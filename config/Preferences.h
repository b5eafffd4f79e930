#pragma once

#include <QString>

/// The program's own preferences that the settings record "Measure.config" has no room for:
/// an INI file, "lumivexpro.conf", in the "lumivexpro" folder of the generic configuration
/// location.
///
/// Each getter reads the file afresh and falls back to its default for a missing, damaged or
/// out-of-range value; a damaged or unreadable file is left as it is until a setter writes a
/// preference (QSettings only rewrites a file that it was asked to change). GUI thread only.
namespace Preferences {

/// The INI file's full path.
QString filePath();

/// Pictures that show measurements get their results table beside them (default off).
bool saveResultsWithCaptures();
void setSaveResultsWithCaptures(bool on);

/// The calibrated scale bar in the live view, the editor and what they store (default off).
bool scaleBarEnabled();
void setScaleBarEnabled(bool on);

/// The picture corner that holds the scale bar.
enum class Corner { TopLeft = 0, TopRight = 1, BottomLeft = 2, BottomRight = 3 };
Corner scaleBarCorner();
void setScaleBarCorner(Corner corner);

} // namespace Preferences

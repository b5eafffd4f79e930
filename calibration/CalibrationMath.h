#pragma once

#include <QString>

// Pure computations of the measurement panel's calibration page.

/// The real length the user typed: a decimal number in the C locale or the user's locale
/// ("0.5" and, in a comma locale, "0,5"); 0 for anything that is not a finite number.
double parseRealLength(const QString &text);

/// Real length per picture pixel for a segment `measured` pixels long that is `real` long in
/// the chosen unit; 0 unless both are finite and above zero (no calibration can be made).
double calibrationRatio(double real, double measured);

/// The magnification read-out "%0.2fX": the segment's length on the screen divided by its real
/// length, both in the chosen unit. "--" when it has no finite value (no real length typed
/// yet), so the read-out never shows "inf" or "nan".
QString magnificationText(double onScreen, double real);

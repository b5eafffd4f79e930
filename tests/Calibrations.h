#pragma once

#include "calibration/BDInfo.h"

#include <QString>

/// A calibration record as a test writes it down: name, length of one picture pixel in the
/// unit, and the unit's index.
inline BDInfo bd(const QString &name, double ratio, int unit)
{
    BDInfo info;
    info.name = name;
    info.ratio = ratio;
    info.unit = unit;
    return info;
}

#include "calibration/CalibrationMath.h"

#include <QLocale>

#include <cmath>

double parseRealLength(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale().toDouble(trimmed, &ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

double calibrationRatio(double real, double measured)
{
    if (!(std::isfinite(real) && real > 0.0 && std::isfinite(measured) && measured > 0.0))
        return 0.0;
    const double ratio = real / measured;
    return std::isfinite(ratio) && ratio > 0.0 ? ratio : 0.0;
}

QString magnificationText(double onScreen, double real)
{
    const double value = onScreen / real;
    if (!std::isfinite(value) || real <= 0.0)
        return QStringLiteral("--");
    return QString::asprintf("%0.2fX", value);
}

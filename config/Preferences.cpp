#include "config/Preferences.h"

#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

namespace {

const char kSaveResults[] = "results/saveWithCaptures";
const char kScaleBarEnabled[] = "scalebar/enabled";
const char kScaleBarCorner[] = "scalebar/corner";

QSettings open()
{
    return QSettings(Preferences::filePath(), QSettings::IniFormat);
}

// A value written by hand may be anything: only the two spellings QSettings writes count.
bool readBool(const char *key, bool fallback)
{
    const QString text = open().value(key).toString().trimmed().toLower();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return fallback;
}

void write(const char *key, const QVariant &value)
{
    QSettings settings = open();
    settings.setValue(key, value);
    settings.sync();
}

} // namespace

QString Preferences::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/lumivexpro/lumivexpro.conf");
}

bool Preferences::saveResultsWithCaptures()
{
    return readBool(kSaveResults, false);
}

void Preferences::setSaveResultsWithCaptures(bool on)
{
    write(kSaveResults, on);
}

bool Preferences::scaleBarEnabled()
{
    return readBool(kScaleBarEnabled, false);
}

void Preferences::setScaleBarEnabled(bool on)
{
    write(kScaleBarEnabled, on);
}

Preferences::Corner Preferences::scaleBarCorner()
{
    bool ok = false;
    const int corner = open().value(kScaleBarCorner).toString().trimmed().toInt(&ok);
    if (!ok || corner < int(Corner::TopLeft) || corner > int(Corner::BottomRight))
        return Corner::BottomRight;
    return Corner(corner);
}

void Preferences::setScaleBarCorner(Corner corner)
{
    write(kScaleBarCorner, int(corner));
}

#include "config/CameraConfig.h"

#include <QDataStream>

QDataStream &operator<<(QDataStream &out, const CameraConfig &c)
{
    return out << c.name << c.paramsRead << c.resolution << c.format << c.exposure << c.gain
               << c.brightness << c.contrast << c.saturation << c.hue << c.gamma << c.sharpness
               << c.spareParam << c.autoWhiteBalance << c.redGain << c.greenGain << c.blueGain
               << c.blackWhite << c.flipHorizontal << c.flipVertical;
}

QDataStream &operator>>(QDataStream &in, CameraConfig &c)
{
    return in >> c.name >> c.paramsRead >> c.resolution >> c.format >> c.exposure >> c.gain >>
           c.brightness >> c.contrast >> c.saturation >> c.hue >> c.gamma >> c.sharpness >>
           c.spareParam >> c.autoWhiteBalance >> c.redGain >> c.greenGain >> c.blueGain >>
           c.blackWhite >> c.flipHorizontal >> c.flipVertical;
}

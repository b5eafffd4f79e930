#include "config/CameraParam.h"

#include <QDataStream>

QDataStream &operator<<(QDataStream &out, const CameraParam &p)
{
    return out << p.valid << p.value << p.defaultValue << p.minValue << p.maxValue << p.step
               << p.flags << p.caps;
}

QDataStream &operator>>(QDataStream &in, CameraParam &p)
{
    return in >> p.valid >> p.value >> p.defaultValue >> p.minValue >> p.maxValue >> p.step >>
           p.flags >> p.caps;
}

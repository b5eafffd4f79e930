#include "calibration/BDInfo.h"

#include <QDataStream>

QString BDInfo::unitString(int unit)
{
    switch (unit) {
    case 0: return QStringLiteral("mm");
    case 1: return QStringLiteral("cm");
    case 2: return QStringLiteral("um");
    case 3: return QStringLiteral("in");
    case 4: return QStringLiteral("px");
    default: return QString();
    }
}

bool operator==(const BDInfo &a, const BDInfo &b)
{
    return a.name == b.name && a.ratio == b.ratio && a.unit == b.unit;
}

QDataStream &operator<<(QDataStream &out, const BDInfo &info)
{
    return out << info.name << info.ratio << info.unit;
}

QDataStream &operator>>(QDataStream &in, BDInfo &info)
{
    return in >> info.name >> info.ratio >> info.unit;
}

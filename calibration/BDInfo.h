#pragma once

#include <QString>

class QDataStream;

/// One calibration: a measured length in picture pixels times `ratio` is the real length in
/// the unit `unit` (an index into the unit table; -1 hides every measurement label).
class BDInfo
{
public:
    BDInfo() = default;

    /// "mm", "cm", "um", "in", "px" for 0..4, empty for anything else.
    static QString unitString(int unit);

    QString name;
    double ratio = 1.0;
    int unit = 4;
};

/// Same name, same ratio (exactly) and same unit: the same calibration.
bool operator==(const BDInfo &a, const BDInfo &b);
inline bool operator!=(const BDInfo &a, const BDInfo &b)
{
    return !(a == b);
}

QDataStream &operator<<(QDataStream &out, const BDInfo &info);
QDataStream &operator>>(QDataStream &in, BDInfo &info);

#pragma once

class QDataStream;

/// One adjustable camera property as the camera reports it: value, range and control mode.
class CameraParam
{
public:
    CameraParam() = default;

    void reset() { value = defaultValue; }
    /// Control mode 1 is automatic, 2 manual.
    void setAuto(bool on) { flags = 2 - (on ? 1 : 0); }
    bool isAuto() const { return flags & 1; }
    bool isAutoSupport() const { return caps & 1; }

    bool valid = false;
    int value = 0;
    int defaultValue = 0;
    int minValue = 0;
    int maxValue = 0;
    int step = 0;
    int flags = 0;
    int caps = 0;
};

QDataStream &operator<<(QDataStream &out, const CameraParam &param);
QDataStream &operator>>(QDataStream &in, CameraParam &param);

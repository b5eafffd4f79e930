#include "config/Config.h"

#include "app/LogCategories.h"

#include "config/BoundedRead.h"

#include <QDebug>
#include <QStandardPaths>
#include <QTimeZone>

namespace {
// Smallest encodings, used to bound counts read from a file: a QString is at least its
// 32-bit length; a BDInfo is a string, a double and an int.
constexpr qint64 kMinStringBytes = 4;
constexpr qint64 kMinBDInfoBytes = 4 + 8 + 4;
// A camera entry: its key string and the fixed part of CameraConfig (both of its strings
// included as empty ones).
constexpr qint64 kMinCameraEntryBytes = 4 + 306;

/// Reads a date-time in Qt's own layout (date, time, spec byte, then the offset or the zone).
/// Qt's reader accepts a zone this machine does not know, or a spec byte Qt never writes, and
/// makes a date-time its writer then crashes on. Such a value keeps its date and wall-clock
/// time as local time: the zone's offset is unknown, and the schedule it belongs to was set by
/// someone looking at a clock.
void readDateTime(QDataStream &in, QDateTime &value)
{
    QDate date;
    QTime time;
    qint8 spec = 0;
    in >> date >> time >> spec;
    if (in.status() != QDataStream::Ok)
        return;
    switch (spec) {
    case Qt::LocalTime: value = QDateTime(date, time, Qt::LocalTime); return;
    case Qt::UTC: value = QDateTime(date, time, Qt::UTC); return;
    case Qt::OffsetFromUTC: {
        qint32 offset = 0;
        in >> offset;
        value = QDateTime(date, time, Qt::OffsetFromUTC, offset);
        return;
    }
    case Qt::TimeZone: {
        QTimeZone zone;
        in >> zone;
        if (zone.isValid()) {
            value = QDateTime(date, time, zone);
            return;
        }
        qCWarning(lcConfig) << "a stored time names a time zone this machine does not know; it is read"
                      " as local time";
        break;
    }
    default:
        qCWarning(lcConfig) << "a stored time has an unknown kind" << spec << "; it is read as local time";
        break;
    }
    value = QDateTime(date, time, Qt::LocalTime);
}

/// Writes a date-time in Qt's layout. A zone that is not valid is written as local time, so
/// that nothing in memory can reach the toolkit's writer in a state it cannot handle.
void writeDateTime(QDataStream &out, const QDateTime &value)
{
    if (value.timeSpec() == Qt::TimeZone && !value.timeZone().isValid())
        out << QDateTime(value.date(), value.time(), Qt::LocalTime);
    else
        out << value;
}
} // namespace

Config::Config()
{
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::DataLocation);
    imageDir = dataDir + QStringLiteral("/save/image");
    movieDir = dataDir + QStringLiteral("/save/movie");
}

void Config::setCurrentCamera(const QString &id)
{
    currentCamera = id;
    if (!cameras.contains(id))
        cameras.insert(id, CameraConfig());
}

CameraConfig Config::cameraInfo(const QString &id) const
{
    return cameras.value(id);
}

void Config::setCameraInfo(const QString &id, const CameraConfig &config)
{
    cameras.insert(id, config);
}

void Config::resetCameraInfo(const QString &id)
{
    CameraConfig &c = cameras[id];
    for (CameraParam *p : {&c.exposure, &c.gain, &c.brightness, &c.contrast, &c.saturation, &c.hue,
                           &c.gamma, &c.sharpness, &c.spareParam})
        p->reset();
    c.blackWhite = false;
    c.flipHorizontal = false;
    c.flipVertical = false;
}

QVector<int> magicFileList()
{
    return {48, 24, 360, 200, 123};
}

QDataStream &operator<<(QDataStream &out, const Config &c)
{
    out << c.currentCamera << c.showTime << c.language << c.spareRect;
    out << c.imageDir << c.movieDir << c.imageSubDir << c.movieSubDir;
    out << c.imageFiles << c.movieFiles;
    out << c.imageFormat << c.movieFormat;
    // The camera map is stored from its last key to its first. Qt's own map writer does that
    // only while deprecated behaviour is compiled in, so the order is spelled out here.
    out << quint32(c.cameras.size());
    for (auto it = c.cameras.constEnd(); it != c.cameras.constBegin();) {
        --it;
        out << it.key() << it.value();
    }
    out << c.bdInfos << c.style;
    out << c.autoRecordOn << c.autoRecordType;
    writeDateTime(out, c.autoRecordStart);
    writeDateTime(out, c.autoRecordNext);
    out << c.autoRecordInterval << c.autoRecordLength << c.autoRecordTotal << c.autoRecordCount;
    return out;
}

QDataStream &operator>>(QDataStream &in, Config &c)
{
    in >> c.currentCamera >> c.showTime >> c.language >> c.spareRect;
    in >> c.imageDir >> c.movieDir >> c.imageSubDir >> c.movieSubDir;
    readBoundedSequence(in, c.imageFiles, kMinStringBytes);
    readBoundedSequence(in, c.movieFiles, kMinStringBytes);
    in >> c.imageFormat >> c.movieFormat;
    readBoundedMap(in, c.cameras, kMinCameraEntryBytes);
    readBoundedSequence(in, c.bdInfos, kMinBDInfoBytes);
    in >> c.style;
    in >> c.autoRecordOn >> c.autoRecordType;
    readDateTime(in, c.autoRecordStart);
    readDateTime(in, c.autoRecordNext);
    in >> c.autoRecordInterval >> c.autoRecordLength >> c.autoRecordTotal >> c.autoRecordCount;
    return in;
}

#pragma once

#include <QDataStream>
#include <QIODevice>

// Qt's readers of QVector and QList reserve room for whatever count the stream claims before
// reading a single element, so a damaged file can make them allocate gigabytes. These readers
// keep the same byte layout but never trust a count beyond what the stream can still hold.

/// Reads a 32-bit element count and checks that `minElementBytes` per element fit in what is
/// left of the device. Sets ReadCorruptData and returns false when they cannot.
inline bool readBoundedCount(QDataStream &in, quint32 &count, qint64 minElementBytes)
{
    in >> count;
    if (in.status() != QDataStream::Ok)
        return false;
    const QIODevice *device = in.device();
    const qint64 left = device ? device->bytesAvailable() : 0;
    if (minElementBytes > 0 && qint64(count) > left / minElementBytes) {
        in.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    return true;
}

/// Reads a sequence written by Qt's QVector/QList operator<< into `container`; on any failure
/// the container is left empty and the stream's status tells why.
template <typename Container>
QDataStream &readBoundedSequence(QDataStream &in, Container &container, qint64 minElementBytes)
{
    container.clear();
    quint32 count = 0;
    if (!readBoundedCount(in, count, minElementBytes))
        return in;
    container.reserve(int(count));
    for (quint32 i = 0; i < count; ++i) {
        typename Container::value_type value;
        in >> value;
        if (in.status() != QDataStream::Ok) {
            container.clear();
            break;
        }
        container.append(value);
    }
    return in;
}

/// Reads a map written by Qt's QMap operator<< into `map`. Unlike Qt's reader, a key that a
/// damaged file repeats keeps one entry (the last value read) instead of becoming a multi-map
/// entry that would be written back twice.
template <typename Map> QDataStream &readBoundedMap(QDataStream &in, Map &map, qint64 minEntryBytes)
{
    map.clear();
    quint32 count = 0;
    if (!readBoundedCount(in, count, minEntryBytes))
        return in;
    for (quint32 i = 0; i < count; ++i) {
        typename Map::key_type key;
        typename Map::mapped_type value;
        in >> key >> value;
        if (in.status() != QDataStream::Ok) {
            map.clear();
            break;
        }
        map.insert(key, value);
    }
    return in;
}

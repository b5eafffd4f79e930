#include "calibration/BDFile.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QSaveFile>

#include <cmath>

bool isUsableBDInfo(const BDInfo &info)
{
    return info.unit >= 0 && info.unit <= 4 && std::isfinite(info.ratio) && info.ratio > 0.0;
}

BDFileStatus readBDInfos(const QByteArray &data, QVector<BDInfo> &infos)
{
    if (data.isEmpty())
        return BDFileStatus::Empty;
    if (data.size() > kMaxBDFileBytes)
        return BDFileStatus::TooLarge;

    QDataStream in(data);
    in.setVersion(QDataStream::Qt_5_12);
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok)
        return BDFileStatus::Truncated;
    // Qt's own list reader would reserve room for whatever the count says before reading one
    // record; here a count the remaining bytes cannot hold is refused outright.
    const qint64 left = data.size() - in.device()->pos();
    if (qint64(count) > left / kMinBDRecordBytes)
        return BDFileStatus::BadCount;

    QVector<BDInfo> read;
    read.reserve(int(count));
    for (quint32 i = 0; i < count; ++i) {
        BDInfo info;
        in >> info;
        if (in.status() != QDataStream::Ok)
            return BDFileStatus::Truncated;
        if (!isUsableBDInfo(info))
            return BDFileStatus::BadRecord;
        read.append(info);
    }
    // Bytes after the counted records are ignored, as they always were.
    infos = read;
    return BDFileStatus::Ok;
}

BDFileStatus readBDInfos(QIODevice *device, QVector<BDInfo> &infos)
{
    if (!device || !device->isReadable())
        return BDFileStatus::OpenFailed;
    const QByteArray data = device->read(kMaxBDFileBytes + 1);
    return readBDInfos(data, infos);
}

QByteArray encodeBDInfos(const QVector<BDInfo> &infos)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    writeBDInfos(&buffer, infos);
    return data;
}

BDFileStatus writeBDInfos(QIODevice *device, const QVector<BDInfo> &infos)
{
    if (!device || !device->isWritable())
        return BDFileStatus::WriteFailed;
    QDataStream out(device);
    out.setVersion(QDataStream::Qt_5_12);
    out << quint32(infos.size());
    for (const BDInfo &info : infos)
        out << info;
    return out.status() == QDataStream::Ok ? BDFileStatus::Ok : BDFileStatus::WriteFailed;
}

BDFileStatus loadBDFile(const QString &path, QVector<BDInfo> &infos)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return BDFileStatus::OpenFailed;
    return readBDInfos(&file, infos);
}

BDFileStatus saveBDFile(const QString &path, const QVector<BDInfo> &infos)
{
    // Unbuffered, so that a write a full disk cuts short fails the stream at once.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return BDFileStatus::WriteFailed;
    if (writeBDInfos(&file, infos) != BDFileStatus::Ok) {
        file.cancelWriting();
        return BDFileStatus::WriteFailed;
    }
    // commit() flushes, closes and renames; any failure on the way leaves the old file.
    return file.commit() ? BDFileStatus::Ok : BDFileStatus::WriteFailed;
}

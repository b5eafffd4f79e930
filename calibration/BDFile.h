#pragma once

#include "calibration/BDInfo.h"

#include <QByteArray>
#include <QString>
#include <QVector>

class QIODevice;

// The calibration export file (".bd"): a 32-bit count, then that many calibrations (name,
// ratio, unit), big-endian, stream version Qt 5.12, no signature and no version field.
//
// The file comes from outside (a backup, a colleague's machine), so the reader trusts nothing:
// it reads into a list of its own, bounds the count by the bytes that are left, checks the
// stream after every record and keeps only calibrations a measurement can use. The caller's
// list changes only after a clean read, so a damaged file never costs the user calibrations.

/// What a read or write of a calibration file came to.
enum class BDFileStatus {
    Ok,
    OpenFailed,  ///< the file could not be opened
    TooLarge,    ///< more bytes than any calibration list needs
    Empty,       ///< no bytes at all
    Truncated,   ///< the data ends inside the count or a record, or a name is malformed
    BadCount,    ///< the count claims more records than the bytes could hold
    BadRecord,   ///< a unit outside 0…4 or a ratio that is not a finite number above zero
    WriteFailed, ///< the file could not be created, written or committed
};

/// Largest calibration file read; a list of a thousand calibrations needs well under 100 kB.
constexpr qint64 kMaxBDFileBytes = 4 * 1024 * 1024;
/// The fewest bytes one record can take: a null name (4), the ratio (8), the unit (4).
constexpr qint64 kMinBDRecordBytes = 16;

/// A calibration a measurement can use: unit 0…4 and a finite ratio above zero.
bool isUsableBDInfo(const BDInfo &info);

/// Parses a whole calibration file. `infos` is replaced only when the result is Ok.
BDFileStatus readBDInfos(const QByteArray &data, QVector<BDInfo> &infos);
/// Reads at most kMaxBDFileBytes (+1 to tell a larger file) from an open device and parses it.
BDFileStatus readBDInfos(QIODevice *device, QVector<BDInfo> &infos);
/// The file's bytes for a list.
QByteArray encodeBDInfos(const QVector<BDInfo> &infos);
/// Writes the list to an open device; WriteFailed when a write came up short.
BDFileStatus writeBDInfos(QIODevice *device, const QVector<BDInfo> &infos);

/// Opens and reads a calibration file; `infos` is replaced only when the result is Ok.
BDFileStatus loadBDFile(const QString &path, QVector<BDInfo> &infos);
/// Writes a calibration file atomically: an existing file at `path` is replaced only when the
/// whole list was written, so a failed export never destroys an older backup.
BDFileStatus saveBDFile(const QString &path, const QVector<BDInfo> &infos);

#include "media/FileOps.h"

#include "media/ResultsCsv.h"
#include "media/SavePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QStandardPaths>

namespace FileOps {

Removal remove(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return Removal::Failed;
    // The toolkit puts the home trash in the data folder but does not make that folder, and
    // where it is missing it moves the file to "files/" under the working directory instead.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString inTrash;
    if (QFile::moveToTrash(path, &inTrash)) {
        if (QDir::isAbsolutePath(inTrash))
            return Removal::Trashed;
        // Not a trash at all: put it back and delete it as asked.
        QFile::rename(inTrash, path);
        QFile::remove(QStringLiteral("info/") + QFileInfo(inTrash).fileName() +
                      QStringLiteral(".trashinfo"));
    }
    const bool removed =
        info.isDir() && !info.isSymLink() ? QDir(path).removeRecursively() : QFile::remove(path);
    return removed ? Removal::Deleted : Removal::Failed;
}

Rename rename(const QString &path, const QString &newName, QString *newPath)
{
    if (!isValidFolderName(newName))
        return Rename::BadName;
    const QFileInfo info(path);
    const QString target = info.dir().filePath(newName);
    if (newName == info.fileName())
        return Rename::Unchanged;
    // A name differing in case only is the same file on some file systems: let the rename
    // itself decide there; everywhere else an existing target stays untouched.
    if (QFileInfo::exists(target) && newName.compare(info.fileName(), Qt::CaseInsensitive) != 0)
        return Rename::Exists;
    if (!QFile::rename(path, target))
        return Rename::Failed;
    if (newPath)
        *newPath = target;
    return Rename::Done;
}

QString copyInto(const QString &source, const QString &folder)
{
    const QFileInfo info(source);
    const QString target = uniqueSavePath(folder, info.completeBaseName(), info.suffix());
    return QFile::copy(source, target) ? target : QString();
}

bool copyReplacing(const QString &source, const QString &target)
{
    const QFileInfo from(source);
    const QFileInfo to(target);
    if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath())
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    // Unbuffered, so that a write a full disk cuts short shows in its count.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    return in.error() == QFileDevice::NoError && out.commit();
}

QString resultsOf(const QString &picture)
{
    const QString suffix = QFileInfo(picture).suffix().toLower();
    if (suffix.isEmpty() || !QImageReader::supportedImageFormats().contains(suffix.toLatin1()))
        return QString();
    const QString csv = ResultsCsv::csvPath(picture);
    return QFileInfo(csv).isFile() ? csv : QString();
}

bool carryResults(const QString &from, const QString &to, bool move, bool replace)
{
    const QString csv = resultsOf(from);
    if (csv.isEmpty())
        return true;
    const QString target = ResultsCsv::csvPath(to);
    if (target == csv)
        return true;
    if (move)
        return !QFileInfo::exists(target) && QFile::rename(csv, target);
    return replace ? copyReplacing(csv, target) : QFile::copy(csv, target);
}

QString importFilter(const QStringList &suffixes)
{
    QStringList patterns;
    for (const QString &suffix : suffixes)
        patterns.append(QStringLiteral("*.") + suffix);
    return patterns.join(QLatin1Char(' '));
}

bool hasSuffix(const QString &path, const QStringList &suffixes)
{
    return suffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

} // namespace FileOps

bool FileOps::writeReplacing(const QString &path, const QByteArray &bytes)
{
    // Unbuffered: the toolkit's file buffer would report a write cut short as done, and the
    // rename would then put a truncated file under the final name.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

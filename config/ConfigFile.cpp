#include "config/ConfigFile.h"

#include "app/LogCategories.h"

#include "config/BoundedRead.h"
#include "config/Config.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Files from earlier versions of the program were written with this stream version; pinning
// it keeps the bytes the same whatever Qt 5 the program is built with.
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_5_12;

// Set-aside copies are numbered; past this many something else is wrong, and the file stays.
constexpr int kMaxSetAside = 10000;

constexpr char kTemporarySuffix[] = ".saving";

/// Moves the rejected file out of the way so that the next save cannot replace it. A rename
/// needs no read permission and cannot overwrite an earlier set-aside copy.
void setAside(const QString &path, const char *why)
{
    const QString aside = ConfigFile::setAsidePath(path);
    if (!aside.isEmpty() && QFile::rename(path, aside)) {
        qCWarning(lcConfig).noquote() << "the configuration" << path << why << "- it was kept as" << aside
                             << "and the defaults are used";
        return;
    }
    qCWarning(lcConfig).noquote() << "the configuration" << path << why
                         << "and could not be set aside; it will not be overwritten";
}

/// Temporary files of saves that were killed before their rename: "<name>.<pid>.saving".
void removeStaleTemporaries(const QString &path)
{
    const QFileInfo info(path);
    const QRegularExpression pattern(QStringLiteral("^%1\\.\\d+%2$")
                                         .arg(QRegularExpression::escape(info.fileName()),
                                              QRegularExpression::escape(kTemporarySuffix)));
    const QDir dir = info.absoluteDir();
    const QStringList candidates =
        dir.entryList({info.fileName() + QStringLiteral(".*") + kTemporarySuffix},
                      QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : candidates) {
        if (name == QFileInfo(ConfigFile::temporaryPath(path)).fileName() ||
            !pattern.match(name).hasMatch())
            continue;
        if (QFile::remove(dir.filePath(name)))
            qCWarning(lcConfig) << "removed the temporary file of an interrupted save:" << name;
    }
}

/// Flushes a folder's entries to disk, so that a rename inside it survives a power cut.
bool syncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

QString ConfigFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DataLocation) +
           QStringLiteral("/Measure.config");
}

QString ConfigFile::setAsidePath(const QString &path)
{
    QString candidate = path + QStringLiteral(".bad");
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n) {
        if (n > kMaxSetAside)
            return QString();
        candidate = path + QStringLiteral(".bad.") + QString::number(n);
    }
    return candidate;
}

QString ConfigFile::temporaryPath(const QString &path)
{
    return path + QLatin1Char('.') + QString::number(QCoreApplication::applicationPid()) +
           QLatin1String(kTemporarySuffix);
}

ConfigFile::LoadResult ConfigFile::load(const QString &path, Config &config)
{
    removeStaleTemporaries(path);
    QFile file(path);
    if (!file.exists())
        return LoadResult::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        setAside(path, qPrintable(QStringLiteral("cannot be read (%1)").arg(file.errorString())));
        return LoadResult::Rejected;
    }

    QDataStream in(&file);
    in.setVersion(kStreamVersion);
    QVector<int> signature;
    readBoundedSequence(in, signature, sizeof(qint32));
    if (in.status() != QDataStream::Ok || signature != magicFileList()) {
        file.close();
        setAside(path, "has no valid signature");
        return LoadResult::Rejected;
    }

    Config fresh = config;
    in >> fresh;
    if (in.status() != QDataStream::Ok) {
        file.close();
        setAside(path, "is damaged");
        return LoadResult::Rejected;
    }
    fresh.style.clampIndexes();
    config = fresh;
    return LoadResult::Loaded;
}

bool ConfigFile::save(const QString &path, const Config &config)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isDir()) {
        QFile existing(path);
        if (!existing.open(QIODevice::ReadOnly)) {
            qCWarning(lcConfig) << "not replacing the configuration" << path
                       << "which cannot be read:" << existing.errorString();
            return false;
        }
    }
    const QString folder = target.absolutePath();
    QDir().mkpath(folder);

    const QString temporary = temporaryPath(path);
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qCWarning(lcConfig) << "cannot write the configuration" << temporary << file.errorString();
        return false;
    }
    // A replaced file keeps its permissions, as an edit in place would.
    if (target.exists())
        file.setPermissions(target.permissions());
    QDataStream out(&file);
    out.setVersion(kStreamVersion);
    out << magicFileList() << config;
    const bool written =
        out.status() == QDataStream::Ok && file.flush() && ::fsync(file.handle()) == 0;
    const QString writeError = file.errorString();
    file.close();
    if (!written) {
        qCWarning(lcConfig) << "cannot write the configuration" << temporary << writeError;
        QFile::remove(temporary);
        return false;
    }
    // rename() replaces the old file in one step; QFile::rename() would refuse an existing one.
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) !=
        0) {
        qCWarning(lcConfig) << "cannot replace the configuration" << path << strerror(errno);
        QFile::remove(temporary);
        return false;
    }
    if (!syncFolder(folder))
        qCWarning(lcConfig) << "the folder of" << path << "could not be synced:" << strerror(errno);
    return true;
}

#include "config/ConfigFile.h"

#include "config/BoundedRead.h"
#include "config/Config.h"

#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Files from earlier versions of the program were written with this stream version; pinning
// it keeps the bytes the same whatever Qt 5 the program is built with.
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_5_12;

void keepRejectedFile(const QString &path)
{
    const QString badPath = path + QStringLiteral(".bad");
    QFile::remove(badPath);
    if (!QFile::copy(path, badPath))
        qWarning() << "could not keep the unreadable configuration as" << badPath;
}

} // namespace

QString ConfigFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DataLocation) +
           QStringLiteral("/Measure.config");
}

ConfigFile::LoadResult ConfigFile::load(const QString &path, Config &config)
{
    QFile file(path);
    if (!file.exists())
        return LoadResult::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "cannot open the configuration" << path << file.errorString();
        return LoadResult::Rejected;
    }

    QDataStream in(&file);
    in.setVersion(kStreamVersion);
    QVector<int> signature;
    readBoundedSequence(in, signature, sizeof(qint32));
    if (in.status() != QDataStream::Ok || signature != magicFileList()) {
        qWarning() << "the configuration" << path << "has no valid signature; using defaults";
        file.close();
        keepRejectedFile(path);
        return LoadResult::Rejected;
    }

    Config fresh = config;
    in >> fresh;
    if (in.status() != QDataStream::Ok) {
        qWarning() << "the configuration" << path << "is damaged; using defaults";
        file.close();
        keepRejectedFile(path);
        return LoadResult::Rejected;
    }
    fresh.style.clampIndexes();
    config = fresh;
    return LoadResult::Loaded;
}

bool ConfigFile::save(const QString &path, const Config &config)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "cannot write the configuration" << path << file.errorString();
        return false;
    }
    QDataStream out(&file);
    out.setVersion(kStreamVersion);
    out << magicFileList() << config;
    if (out.status() != QDataStream::Ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

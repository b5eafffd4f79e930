#include "media/SavePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString saveStamp(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyyMMdd_HHmmss"));
}

QString uniqueSavePath(const QString &folder, const QString &stamp, const QString &suffix,
                       const std::function<bool(const QString &)> &taken)
{
    const QString base = folder + QLatin1Char('/') + stamp;
    const QString dotSuffix = QLatin1Char('.') + suffix;
    QString path = base + dotSuffix;
    for (int n = 1; QFileInfo::exists(path) || (taken && taken(path)); ++n)
        path = base + QLatin1Char('_') + QString::number(n) + dotSuffix;
    return path;
}

bool isSameFolder(const QString &a, const QString &b)
{
    return QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

bool isInsideFolder(const QString &path, const QString &folder)
{
    const QString p = QDir::cleanPath(QDir(path).absolutePath());
    const QString f = QDir::cleanPath(QDir(folder).absolutePath());
    if (p == f)
        return true;
    return p.startsWith(f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/'));
}

bool isValidFolderName(const QString &name)
{
    const QString trimmed = name.trimmed();
    return !trimmed.isEmpty() && trimmed != QLatin1String(".") && trimmed != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

int pruneMissingFiles(QStringList &files)
{
    int dropped = 0;
    for (int i = files.size() - 1; i >= 0; --i) {
        if (!QFile::exists(files.at(i))) {
            files.removeAt(i);
            ++dropped;
        }
    }
    return dropped;
}

bool ensureSaveFolders(const QString &root, const QString &sub)
{
    QDir dir;
    return dir.mkpath(root) && dir.mkpath(QDir(root).filePath(sub));
}

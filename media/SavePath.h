#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

// Naming and folder rules of stored pictures and videos. Pure functions of the file system
// state they are given; the main window calls them and shows the results.

/// What a save folder holds. The values are the type numbers of the window's getSavePath()
/// and checkPath(), which they convert to.
enum SaveKind : int {
    SavePicture = 0,
    SaveVideo = 1,
};

/// "yyyyMMdd_HHmmss", the stem of every stored file's name.
QString saveStamp(const QDateTime &time);

/// folder + "/" + stamp + "." + suffix, or with "_1", "_2", … before the suffix when that name
/// exists on disk or is taken (a file still being written), so two files of one second never
/// overwrite each other.
QString uniqueSavePath(const QString &folder, const QString &stamp, const QString &suffix,
                       const std::function<bool(const QString &)> &taken = {});

/// True when both name the same folder (absolute, cleaned paths).
bool isSameFolder(const QString &a, const QString &b);
/// True when path is folder itself or lies below it.
bool isInsideFolder(const QString &path, const QString &folder);

/// A name a new folder may take inside the browsed folder: not blank, not "." or "..", no
/// "/" or "\" (which would create it elsewhere).
bool isValidFolderName(const QString &name);

/// Drops the entries whose file no longer exists; returns how many were dropped.
int pruneMissingFiles(QStringList &files);

/// Makes sure root/sub exists; creates root with its parents when missing. False when a
/// folder could not be created.
bool ensureSaveFolders(const QString &root, const QString &sub);

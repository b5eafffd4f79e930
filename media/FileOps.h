#pragma once

#include <QString>
#include <QStringList>

/// File operations of the browsers and the import, as results and without widgets: the
/// window asks its questions first and reports what these return.
namespace FileOps {

enum class Removal { Trashed, Deleted, Failed };

/// Moves a file, or a folder with everything in it, to the desktop's trash. Where that is
/// not possible (no trash on that disk), deletes it instead: the caller asked the user first.
Removal remove(const QString &path);

enum class Rename { Done, Unchanged, BadName, Exists, Failed };

/// Renames path inside its own folder. Refuses a blank name, ".", "..", and any "/" or "\"
/// (the file must not leave its folder), and never replaces an existing file. On Done,
/// newPath receives the new path.
Rename rename(const QString &path, const QString &newName, QString *newPath);

/// Copies source into folder under its own name, or with "_1", "_2", … before the suffix
/// when the name is taken; never replaces a file. The copy's path, empty on failure.
QString copyInto(const QString &source, const QString &folder);

/// Copies source to target, replacing a target the user agreed to overwrite. The target is
/// replaced only once the copy is complete, so a failed copy leaves it as it was. Copying a
/// file onto itself changes nothing and succeeds.
bool copyReplacing(const QString &source, const QString &target);

/// Writes bytes to path whole or not at all: a temporary file, renamed over path when every
/// byte is on disk. A write that a full disk cuts short fails and leaves path as it was.
bool writeReplacing(const QString &path, const QByteArray &bytes);

/// The results table kept beside a picture (its name with the suffix "csv") when there is
/// one; empty for any other file.
QString resultsOf(const QString &picture);

/// Takes a picture's results table along once the picture went from `from` to `to`: renamed
/// when `move`, else copied (replacing an existing table only when `replace`). True when there
/// was none or it followed.
bool carryResults(const QString &from, const QString &to, bool move, bool replace = false);

/// The import dialog's filter: one "*.suffix" pattern per suffix, separated by blanks, so the
/// dialog shows every picture and video.
QString importFilter(const QStringList &suffixes);

/// True when suffixes holds the suffix of path, case ignored.
bool hasSuffix(const QString &path, const QStringList &suffixes);

} // namespace FileOps

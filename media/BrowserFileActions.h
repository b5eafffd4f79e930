#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QStringList>

#include <functional>

class FileBrowser;
class QListWidgetItem;
class QWidget;

/// The file operations of the browsers' context menu and of the import, carried out for the
/// main window: asks before anything is removed, reports failures in one box with the window
/// as parent, and keeps the browser lists and the history lists in step with the disk. The
/// file work itself is FileOps'. GUI thread only.
///
/// Nothing is ever lost by a slip: removals go to the trash after a question, renames and
/// copies never replace a file the user did not agree to replace, and the file being recorded
/// (see setBusyCheck) is neither removed nor renamed.
class BrowserFileActions final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(BrowserFileActions)

public:
    explicit BrowserFileActions(QWidget *window);

    /// True for a path that must stay where it is: the file being recorded, or a folder
    /// holding it.
    void setBusyCheck(std::function<bool(const QString &)> busy) { m_busy = std::move(busy); }

    /// Removes the entries' files and folders after one question (naming the entry, or the
    /// number of entries); entries whose removal failed stay listed and are reported.
    void removeEntries(FileBrowser *browser, QStringList &history,
                       const QList<QListWidgetItem *> &items);
    /// Asks for a new name and renames the entry's file in its folder.
    void renameEntry(FileBrowser *browser, QListWidgetItem *item);
    /// Asks for a target file and copies the entry there (an overwrite the dialog confirmed
    /// replaces the target).
    void saveEntryAs(QListWidgetItem *item);
    /// Asks for a folder and copies the entries' files into it, with "_1" names on clashes.
    void saveEntriesTo(const QList<QListWidgetItem *> &items);

    /// The context menu of the entry at `pos` of `browser`'s list, if any: open (handed to
    /// `open`), remove, remove all, rename, save as and save all (the last two for files only).
    /// The entry is looked up again by its path after the menu closes: the list may have
    /// changed meanwhile.
    void showEntryMenu(FileBrowser *browser, QStringList &history, QPoint pos,
                       const std::function<void(QListWidgetItem *)> &open);

    /// Opens an entry as a double-click does: a folder in the browser (of `pictures` and
    /// `videos`) listing it, a picture (of `pictureSuffixes`) through `openPicture`, anything
    /// else in the desktop's program for it.
    void openEntry(QListWidgetItem *item, FileBrowser *pictures, FileBrowser *videos,
                   const QStringList &pictureSuffixes,
                   const std::function<void(const QString &)> &openPicture);

    /// Where imported files go, and how: the picture suffixes, the browsers, the history lists
    /// and the window's check that a browser shows a folder a file may be stored in.
    struct ImportTargets
    {
        QStringList pictureSuffixes;
        FileBrowser *pictures = nullptr;
        FileBrowser *videos = nullptr;
        QStringList *pictureHistory = nullptr;
        QStringList *videoHistory = nullptr;
        std::function<bool(int type)> checkPath;
    };
    /// Copies the files into the browsers' folders (pictures to one, everything else to the
    /// other) under a window-modal progress dialog, lists the copies and adds them to the
    /// history; a name already present gets "_1". Failures are reported at the end.
    void importFiles(const QStringList &files, const ImportTargets &targets);
    /// Asks for pictures and videos (of the picture suffixes and `videoSuffixes`) and imports
    /// the chosen ones.
    void askAndImport(const ImportTargets &targets, const QStringList &videoSuffixes);

private:
    bool isBusy(const QString &path) const { return m_busy && m_busy(path); }
    void reportFailures(const QString &text, const QStringList &names);

    QWidget *m_window;
    std::function<bool(const QString &)> m_busy;
};

#pragma once

#include "media/SavePath.h"

#include <QString>
#include <QStringList>

class Config;
class FileBrowser;
class PictureWriter;

/// The save folders of pictures and videos and the two browsers that show them: where the
/// next file goes, the root folders and their default sub-folders, the history lists kept in
/// step with the disk, and the browsed folders remembered relative to their roots. The window
/// asks and shows; the rules live here. GUI thread only.
class SaveFolders final
{
public:
    /// `writer`: pictures still on their way to the disk count as taken names.
    SaveFolders(Config *config, FileBrowser *pictures, FileBrowser *videos,
                const PictureWriter *writer, QStringList pictureSuffixes,
                QStringList videoSuffixes);

    /// The next file of that kind in its browser's folder (the configured folder while the
    /// browser shows none), named by the time of day; "_1", "_2", … when the name is taken.
    QString nextPath(SaveKind kind) const;
    /// True while the next file would land in the root folder itself, where nothing is stored.
    bool isAtRoot(SaveKind kind) const;

    /// Creates missing root folders (with their sub-folders), then showFolders().
    void ensureRoots();
    /// Drops history entries whose files are gone and points both browsers at their folders.
    void showFolders();
    /// Lists a new file in its browser when the browser still shows the file's folder.
    void list(const QString &path, SaveKind kind);
    /// A new root starts in its default sub-folder, made when missing.
    void setRoot(SaveKind kind, const QString &folder);
    /// Takes the roots of a settings dialog's copy (nothing else of it); true when one changed.
    bool takeRoots(const Config &edited);
    /// The browsed folders into the record, relative to their roots; a browser never pointed
    /// at a folder leaves the stored one alone.
    void storeBrowsedFolders();

    FileBrowser *browser(SaveKind kind) const
    {
        return kind == SavePicture ? m_pictures : m_videos;
    }

private:
    Config *m_config;
    FileBrowser *m_pictures;
    FileBrowser *m_videos;
    const PictureWriter *m_writer;
    QStringList m_pictureSuffixes;
    QStringList m_videoSuffixes;
};

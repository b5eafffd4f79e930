#include "media/SaveFolders.h"

#include "config/Config.h"
#include "media/FileBrowser.h"
#include "media/PictureWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

SaveFolders::SaveFolders(Config *config, FileBrowser *pictures, FileBrowser *videos,
                         const PictureWriter *writer, QStringList pictureSuffixes,
                         QStringList videoSuffixes)
    : m_config(config)
    , m_pictures(pictures)
    , m_videos(videos)
    , m_writer(writer)
    , m_pictureSuffixes(std::move(pictureSuffixes))
    , m_videoSuffixes(std::move(videoSuffixes))
{}

QString SaveFolders::nextPath(SaveKind kind) const
{
    const bool picture = kind == SavePicture;
    QString folder = browser(kind)->currentPath();
    if (folder.isEmpty()) {
        folder = picture ? QDir(m_config->imageDir).filePath(m_config->imageSubDir)
                         : QDir(m_config->movieDir).filePath(m_config->movieSubDir);
    }
    const QString suffix = picture ? m_pictureSuffixes.value(m_config->imageFormat)
                                   : m_videoSuffixes.value(m_config->movieFormat);
    // A capture of the same second may still be on its way to the disk.
    const PictureWriter *writer = m_writer;
    return uniqueSavePath(folder, saveStamp(QDateTime::currentDateTime()), suffix,
                          [writer](const QString &path) { return writer->isPending(path); });
}

bool SaveFolders::isAtRoot(SaveKind kind) const
{
    const QString folder = QFileInfo(nextPath(kind)).path();
    return isSameFolder(folder, kind == SavePicture ? m_config->imageDir : m_config->movieDir);
}

void SaveFolders::ensureRoots()
{
    // The sub-folder is made together with a missing root only: an existing root keeps the
    // folders its user made.
    if (!QFileInfo::exists(m_config->imageDir))
        ensureSaveFolders(m_config->imageDir, m_config->imageSubDir);
    if (!QFileInfo::exists(m_config->movieDir))
        ensureSaveFolders(m_config->movieDir, m_config->movieSubDir);
    showFolders();
}

void SaveFolders::showFolders()
{
    pruneMissingFiles(m_config->imageFiles);
    pruneMissingFiles(m_config->movieFiles);
    m_pictures->setBasePath(m_config->imageDir);
    m_videos->setBasePath(m_config->movieDir);
    m_pictures->setCurrentPath(QDir(m_config->imageDir).filePath(m_config->imageSubDir));
    m_videos->setCurrentPath(QDir(m_config->movieDir).filePath(m_config->movieSubDir));
}

void SaveFolders::list(const QString &path, SaveKind kind)
{
    // The user may have moved to another folder while the file was written: it is listed
    // only where it lies.
    FileBrowser *shown = browser(kind);
    if (isSameFolder(QFileInfo(path).absolutePath(), shown->currentPath()))
        shown->addItem(path);
}

void SaveFolders::setRoot(SaveKind kind, const QString &folder)
{
    // Captures are refused in the root itself, so a new root starts in its default sub-folder.
    const Config defaults;
    const bool picture = kind == SavePicture;
    QString &root = picture ? m_config->imageDir : m_config->movieDir;
    QString &sub = picture ? m_config->imageSubDir : m_config->movieSubDir;
    root = folder;
    sub = picture ? defaults.imageSubDir : defaults.movieSubDir;
    ensureSaveFolders(root, sub);
}

bool SaveFolders::takeRoots(const Config &edited)
{
    // The rest of the copy is as old as the dialog: history entries or camera settings made
    // meanwhile must stay.
    const bool newImageRoot = !isSameFolder(edited.imageDir, m_config->imageDir);
    const bool newMovieRoot = !isSameFolder(edited.movieDir, m_config->movieDir);
    if (newImageRoot)
        setRoot(SavePicture, edited.imageDir);
    if (newMovieRoot)
        setRoot(SaveVideo, edited.movieDir);
    return newImageRoot || newMovieRoot;
}

void SaveFolders::storeBrowsedFolders()
{
    const QString imagePath = m_pictures->currentPath();
    if (!imagePath.isEmpty())
        m_config->imageSubDir = QDir(m_config->imageDir).relativeFilePath(imagePath);
    const QString moviePath = m_videos->currentPath();
    if (!moviePath.isEmpty())
        m_config->movieSubDir = QDir(m_config->movieDir).relativeFilePath(moviePath);
}

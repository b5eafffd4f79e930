#pragma once

#include <QIcon>
#include <QStringList>
#include <QWidget>

class IconHelp;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QToolButton;
class ThumbnailLoader;

/// Browser of one folder tree of pictures (mode 0) or videos (mode 1): the sub-folders and
/// matching files of the current folder as a column of thumbnails, a name search, a new-folder
/// button and a back button that never leaves the base folder.
///
/// GUI thread only. Filling a folder never waits for a decode: every file gets a placeholder
/// icon at once, and its thumbnail replaces it when a worker of the browser's ThumbnailLoader
/// has made it. Refilling drops the thumbnails still on their way. The current folder is where
/// the main window stores new pictures and videos.
class FileBrowser : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(FileBrowser)

public:
    /// Thumbnail and folder icon size.
    static const QSize IconSize;

    explicit FileBrowser(QWidget *parent = nullptr);
    ~FileBrowser() override;

    /// 0 lists ".png", ".jpg", ".bmp" files, anything else ".mp4" and ".avi"; call once.
    void setMode(int mode);
    QListWidget *listWidget() const { return m_list; }

    /// The root the browser never leaves; shown at once when the folder exists.
    void setBasePath(const QString &path);
    QString basePath() const { return m_basePath; }
    /// Shows path when it exists; a folder outside the base shows the base instead. A missing
    /// folder changes nothing.
    void setCurrentPath(const QString &path);
    QString currentPath() const { return m_currentPath; }
    void updatePath();

    /// Adds one entry for path (no check of folder or suffix) and sorts the list.
    void addItem(const QString &path);
    /// Gives the first entry of oldPath the name and path of newPath and sorts the list.
    void renameItem(const QString &oldPath, const QString &newPath);
    /// Rebuilds the list from the current folder: folders, then files with a listed suffix,
    /// whose names contain filter (case ignored).
    void populateFileList(const QString &filter);

    /// The thumbnail workers (tests and benchmarks wait on them).
    ThumbnailLoader *thumbnailLoader() const { return m_loader; }

signals:
    /// A file entry was double-clicked.
    void sigItemOpen(QListWidgetItem *item);

public slots:
    void onSearchButtonClicked();
    void onCreateFolderClicked();
    void onBackButtonClicked();
    void onItemDoubleClicked(QListWidgetItem *item);

private:
    QListWidgetItem *appendEntry(const QString &path);
    void requestThumbnail(const QListWidgetItem *item);
    void onThumbnailLoaded(const QString &path, const QImage &thumbnail);
    void updatePathLabel();

    int m_mode = 0;
    QStringList m_suffixes;
    QLineEdit *m_search = nullptr;
    QToolButton *m_btnAdd = nullptr;
    QToolButton *m_btnBack = nullptr;
    QLabel *m_pathLabel = nullptr;
    QListWidget *m_list = nullptr;
    IconHelp *m_iconHelp = nullptr;
    ThumbnailLoader *m_loader = nullptr;
    QString m_basePath;
    QString m_currentPath;
    QIcon m_folderIcon;
    QIcon m_placeholderIcon;
};

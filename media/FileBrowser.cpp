#include "media/FileBrowser.h"

#include "app/IconHelp.h"
#include "media/CustomListWidgetItem.h"
#include "media/SavePath.h"
#include "media/ThumbnailLoader.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

const QSize FileBrowser::IconSize(160, 120);

namespace {

const char *const ToolButtonStyle = "QToolButton{Border: none;} QToolButton:checked{}";

// Shown until a file's thumbnail arrives: a light frame, so the list has its final layout at
// once.
QIcon placeholderIcon()
{
    QPixmap pixmap(FileBrowser::IconSize);
    pixmap.fill(QColor(236, 236, 236));
    QPainter painter(&pixmap);
    painter.setPen(QColor(200, 200, 200));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

FileBrowser::FileBrowser(QWidget *parent)
    : QWidget(parent)
    , m_search(new QLineEdit(this))
    , m_btnAdd(new QToolButton(this))
    , m_btnBack(new QToolButton(this))
    , m_pathLabel(new QLabel(this))
    , m_list(new QListWidget(this))
    , m_iconHelp(new IconHelp(this))
    , m_loader(new ThumbnailLoader(IconSize, this))
{
    m_search->setObjectName(QStringLiteral("lineSearch"));
    m_btnAdd->setObjectName(QStringLiteral("btnAdd"));
    m_btnBack->setObjectName(QStringLiteral("btnBack"));
    m_pathLabel->setObjectName(QStringLiteral("labelPath"));
    m_list->setObjectName(QStringLiteral("listWidget"));

    m_search->setPlaceholderText(QStringLiteral("Search"));
    QAction *searchAction = m_search->addAction(
        QIcon(IconHelp::iconPath(QStringLiteral("btnSearch"))), QLineEdit::TrailingPosition);
    for (QToolButton *button : {m_btnAdd, m_btnBack})
        button->setStyleSheet(QLatin1String(ToolButtonStyle));
    m_iconHelp->setButtonIcon(m_btnAdd, QStringLiteral("btnAdd"));
    m_iconHelp->setButtonIcon(m_btnBack, QStringLiteral("btnBack"));

    m_list->setViewMode(QListView::IconMode);
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(false);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMovement(QListView::Static);

    m_folderIcon = QIcon(QPixmap(IconHelp::iconPath(QStringLiteral("iconFolder")))
                             .scaled(IconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_placeholderIcon = placeholderIcon();

    auto *row = new QHBoxLayout;
    row->addWidget(m_search);
    row->addWidget(m_btnAdd);
    row->addWidget(m_btnBack);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(m_pathLabel);
    layout->addWidget(m_list);

    connect(m_search, SIGNAL(returnPressed()), this, SLOT(onSearchButtonClicked()));
    connect(searchAction, SIGNAL(triggered()), this, SLOT(onSearchButtonClicked()));
    connect(m_btnAdd, SIGNAL(clicked()), this, SLOT(onCreateFolderClicked()));
    connect(m_btnBack, SIGNAL(clicked()), this, SLOT(onBackButtonClicked()));
    connect(m_list, SIGNAL(itemDoubleClicked(QListWidgetItem *)), this,
            SLOT(onItemDoubleClicked(QListWidgetItem *)));
    connect(m_loader, &ThumbnailLoader::loaded, this, &FileBrowser::onThumbnailLoaded);
}

FileBrowser::~FileBrowser() = default;

void FileBrowser::setMode(int mode)
{
    m_mode = mode;
    if (mode != 0)
        m_suffixes << QStringLiteral(".mp4") << QStringLiteral(".avi");
    else
        m_suffixes << QStringLiteral(".png") << QStringLiteral(".jpg") << QStringLiteral(".bmp");
}

void FileBrowser::setBasePath(const QString &path)
{
    m_basePath = path;
    if (QFileInfo(path).isDir()) {
        m_currentPath = path;
        populateFileList(QString());
    }
}

void FileBrowser::setCurrentPath(const QString &path)
{
    if (!QFileInfo(path).isDir())
        return;
    // The stored folder may point anywhere ("../.." in a hand-edited file): the browser stays
    // inside its base.
    m_currentPath = m_basePath.isEmpty() || isInsideFolder(path, m_basePath) ? path : m_basePath;
    populateFileList(QString());
}

void FileBrowser::updatePath()
{
    populateFileList(QString());
}

QListWidgetItem *FileBrowser::appendEntry(const QString &path)
{
    const QFileInfo info(path);
    auto *item = new CustomListWidgetItem(path, info.isDir());
    if (item->isDir) {
        item->setIcon(m_folderIcon);
        m_list->addItem(item);
        // Folders cannot be dragged onto a picture tile.
        item->setFlags(item->flags() & ~Qt::ItemIsDragEnabled);
    } else {
        item->setIcon(m_placeholderIcon);
        m_list->addItem(item);
    }
    return item;
}

void FileBrowser::requestThumbnail(const QListWidgetItem *item)
{
    const auto *entry = dynamic_cast<const CustomListWidgetItem *>(item);
    if (entry && !entry->isDir)
        m_loader->request(entry->path(), m_mode != 0);
}

void FileBrowser::addItem(const QString &path)
{
    requestThumbnail(appendEntry(path));
    m_list->sortItems(Qt::AscendingOrder);
}

void FileBrowser::renameItem(const QString &oldPath, const QString &newPath)
{
    for (int i = 0; i < m_list->count(); ++i) {
        auto *item = dynamic_cast<CustomListWidgetItem *>(m_list->item(i));
        if (item && item->path() == oldPath) {
            item->setPath(newPath);
            m_list->sortItems(Qt::AscendingOrder);
            return;
        }
    }
}

void FileBrowser::populateFileList(const QString &filter)
{
    m_loader->cancel();
    m_list->clear();
    if (m_currentPath.isEmpty())
        return;
    updatePathLabel();

    const QDir dir(m_currentPath);
    const auto matches = [&filter](const QString &name) {
        return filter.isEmpty() || name.contains(filter, Qt::CaseInsensitive);
    };
    // Sorting once at the end: every insert into a sorted list would move the rest.
    m_list->setUpdatesEnabled(false);
    const QFileInfoList folders =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &info : folders) {
        if (matches(info.fileName()))
            appendEntry(info.filePath());
    }
    const QFileInfoList files =
        dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &info : files) {
        const QString name = info.fileName();
        const bool listed = std::any_of(m_suffixes.cbegin(), m_suffixes.cend(),
                                        [&name](const QString &s) { return name.endsWith(s); });
        if (listed && matches(name))
            appendEntry(info.filePath());
    }
    m_list->sortItems(Qt::AscendingOrder);
    m_list->setUpdatesEnabled(true);
    // Top of the list first: what the user sees gets its thumbnail first.
    for (int i = 0; i < m_list->count(); ++i)
        requestThumbnail(m_list->item(i));
}

void FileBrowser::updatePathLabel()
{
    const QString rel = QDir(m_basePath).relativeFilePath(m_currentPath);
    const QString baseName = QFileInfo(m_basePath).fileName();
    m_pathLabel->setText(rel == QLatin1String(".") ? baseName : baseName + QLatin1Char('/') + rel);
    m_pathLabel->setToolTip(m_currentPath);
}

void FileBrowser::onThumbnailLoaded(const QString &path, const QImage &thumbnail)
{
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem *item = m_list->item(i);
        if (item->data(Qt::UserRole).toString() != path)
            continue;
        // A file that does not decode gets an empty icon; the name still shows.
        item->setIcon(thumbnail.isNull() ? QIcon() : QIcon(QPixmap::fromImage(thumbnail)));
        return;
    }
}

void FileBrowser::onSearchButtonClicked()
{
    populateFileList(m_search->text());
}

void FileBrowser::onCreateFolderClicked()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("名称"), tr("名称"), QLineEdit::Normal,
                                               QStringLiteral("New Folder"), &ok);
    if (!ok)
        return;
    // A name with a separator or "." / ".." would make the folder somewhere else.
    if (isValidFolderName(name)) {
        QDir dir(m_currentPath);
        if (!dir.exists(name))
            dir.mkdir(name);
    }
    populateFileList(QString());
}

void FileBrowser::onBackButtonClicked()
{
    if (m_currentPath.isEmpty() || isSameFolder(m_currentPath, m_basePath))
        return;
    QDir dir(m_currentPath);
    if (dir.cdUp()) {
        m_currentPath = dir.absolutePath();
        populateFileList(QString());
    }
}

void FileBrowser::onItemDoubleClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const QFileInfo info(QDir(m_currentPath).filePath(item->text()));
    if (info.isDir()) {
        m_currentPath = info.absoluteFilePath();
        populateFileList(QString());
        return;
    }
    emit sigItemOpen(item);
}

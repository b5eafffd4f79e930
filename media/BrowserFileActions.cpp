#include "media/BrowserFileActions.h"

#include "app/LogCategories.h"
#include "app/MessageBox.h"
#include "media/CustomListWidgetItem.h"
#include "media/FileBrowser.h"
#include "media/FileOps.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QUrl>

#include <algorithm>

namespace {

QString entryPath(const QListWidgetItem *item)
{
    return item->data(Qt::UserRole).toString();
}

bool isFolderEntry(const QListWidgetItem *item)
{
    return QFileInfo(entryPath(item)).isDir();
}

// The menu and the import filter were the main window's texts: they keep its translation
// context, and with it their translations.
QString windowText(const char *text)
{
    return QCoreApplication::translate("Specula", text);
}

// Every entry of a browser list, in list order.
QList<QListWidgetItem *> listEntries(const QListWidget *list)
{
    QList<QListWidgetItem *> entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i));
    return entries;
}

} // namespace

BrowserFileActions::BrowserFileActions(QWidget *window)
    : QObject(window)
    , m_window(window)
{}

void BrowserFileActions::reportFailures(const QString &text, const QStringList &names)
{
    if (!names.isEmpty())
        MessageBox::information(m_window, QString(), text + QLatin1Char('\n') + names.join('\n'));
}

void BrowserFileActions::removeEntries(FileBrowser *browser, QStringList &history,
                                       const QList<QListWidgetItem *> &items)
{
    if (items.isEmpty())
        return;
    const QString question = items.size() == 1 ? tr("确定删除“%1”吗？").arg(items.first()->text())
                                               : tr("确定删除全部 %1 项吗？").arg(items.size());
    if (MessageBox::question(m_window, QString(), question) != QMessageBox::Yes)
        return;

    QStringList failed;
    for (QListWidgetItem *item : items) {
        const QString path = entryPath(item);
        const QString results = FileOps::resultsOf(path);
        if (isBusy(path) || FileOps::remove(path) == FileOps::Removal::Failed) {
            failed.append(item->text());
            continue; // still on disk: it stays listed and in the history
        }
        if (!results.isEmpty() && FileOps::remove(results) == FileOps::Removal::Failed)
            failed.append(QFileInfo(results).fileName());
        // A removed folder takes the history entries inside it along.
        for (int i = history.size() - 1; i >= 0; --i) {
            if (history.at(i) == path || history.at(i).startsWith(path + QLatin1Char('/')))
                history.removeAt(i);
        }
        delete browser->listWidget()->takeItem(browser->listWidget()->row(item));
    }
    reportFailures(tr("以下文件未能删除："), failed);
}

void BrowserFileActions::renameEntry(FileBrowser *browser, QListWidgetItem *item)
{
    const QString path = entryPath(item);
    if (isBusy(path)) {
        MessageBox::information(m_window, QString(), tr("正在录像的文件不能重命名"));
        return;
    }
    bool ok = false;
    const QString name = QInputDialog::getText(m_window, tr("新名称"), tr("名称"),
                                               QLineEdit::Normal, item->text(), &ok);
    if (!ok)
        return;
    QString newPath;
    switch (FileOps::rename(path, name, &newPath)) {
    case FileOps::Rename::Done:
        browser->renameItem(path, newPath);
        if (!FileOps::carryResults(path, newPath, true))
            reportFailures(tr("以下文件未能重命名："),
                           {QFileInfo(FileOps::resultsOf(path)).fileName()});
        break;
    case FileOps::Rename::Unchanged: break;
    case FileOps::Rename::BadName:
        MessageBox::information(m_window, QString(), tr("名称不能为空，也不能含有“/”或“\\”"));
        break;
    case FileOps::Rename::Exists:
        MessageBox::information(m_window, QString(), tr("已有同名文件"));
        break;
    case FileOps::Rename::Failed:
        MessageBox::information(m_window, QString(), tr("重命名失败"));
        break;
    }
}

void BrowserFileActions::saveEntryAs(QListWidgetItem *item)
{
    const QString path = entryPath(item);
    // The dialog asks before it returns an existing file.
    const QString target = QFileDialog::getSaveFileName(
        m_window, QString(), QString(), QStringLiteral("*.") + QFileInfo(path).suffix());
    if (target.isEmpty())
        return;
    if (!FileOps::copyReplacing(path, target))
        reportFailures(tr("以下文件未能保存："), {item->text()});
    else if (!FileOps::carryResults(path, target, false, true))
        reportFailures(tr("以下文件未能保存："), {QFileInfo(FileOps::resultsOf(path)).fileName()});
}

void BrowserFileActions::saveEntriesTo(const QList<QListWidgetItem *> &items)
{
    const QString folder = QFileDialog::getExistingDirectory(m_window, QString(), QString(),
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    QProgressDialog progress(tr("复制文件..."), tr("取消"), 0, items.size(), m_window);
    progress.setWindowModality(Qt::WindowModal);
    QStringList failed;
    for (int i = 0; i < items.size(); ++i) {
        progress.setValue(i);
        QCoreApplication::processEvents();
        if (progress.wasCanceled())
            break;
        if (isFolderEntry(items.at(i)))
            continue; // the list's folders are not part of "all files"
        const QString copy = FileOps::copyInto(entryPath(items.at(i)), folder);
        if (copy.isEmpty() || !FileOps::carryResults(entryPath(items.at(i)), copy, false))
            failed.append(items.at(i)->text());
    }
    progress.setValue(items.size());
    reportFailures(tr("以下文件未能保存："), failed);
}

void BrowserFileActions::importFiles(const QStringList &files, const ImportTargets &targets)
{
    QProgressDialog progress(tr("复制文件..."), tr("取消"), 0, files.size(), m_window);
    progress.setWindowModality(Qt::WindowModal);
    QStringList failed;
    for (int i = 0; i < files.size(); ++i) {
        progress.setValue(i);
        QCoreApplication::processEvents();
        if (progress.wasCanceled())
            break;
        const bool picture = FileOps::hasSuffix(files.at(i), targets.pictureSuffixes);
        if (targets.checkPath && !targets.checkPath(picture ? 0 : 1))
            break; // the window told the user where to store files first
        FileBrowser *browser = picture ? targets.pictures : targets.videos;
        const QString copy = FileOps::copyInto(files.at(i), browser->currentPath());
        if (copy.isEmpty()) {
            failed.append(QFileInfo(files.at(i)).fileName());
            continue;
        }
        if (!FileOps::carryResults(files.at(i), copy, false))
            failed.append(QFileInfo(FileOps::resultsOf(files.at(i))).fileName());
        // The copy is what the program stores and may later delete, never the original.
        browser->addItem(copy);
        if (QStringList *history = picture ? targets.pictureHistory : targets.videoHistory)
            history->append(copy);
    }
    progress.setValue(files.size());
    reportFailures(tr("以下文件未能导入："), failed);
}

void BrowserFileActions::showEntryMenu(FileBrowser *browser, QStringList &history, QPoint pos,
                                       const std::function<void(QListWidgetItem *)> &open)
{
    QListWidget *list = browser->listWidget();
    const QListWidgetItem *clicked = list->itemAt(pos);
    if (!clicked)
        return;
    const QString path = entryPath(clicked);

    QMenu menu(m_window);
    QAction *openAction = menu.addAction(windowText(QT_TRANSLATE_NOOP("Specula", "打开")));
    QAction *remove = menu.addAction(windowText(QT_TRANSLATE_NOOP("Specula", "删除")));
    QAction *removeAll = menu.addAction(windowText(QT_TRANSLATE_NOOP("Specula", "全部删除")));
    QAction *rename = menu.addAction(windowText(QT_TRANSLATE_NOOP("Specula", "重命名")));
    QAction *saveAs = menu.addAction(windowText(QT_TRANSLATE_NOOP("Specula", "另存为")));
    QAction *saveAll = menu.addAction(windowText(QT_TRANSLATE_NOOP("Specula", "全部另存为")));
    saveAs->setVisible(!QFileInfo(path).isDir());
    saveAll->setVisible(saveAs->isVisible());
    QAction *chosen = menu.exec(list->viewport()->mapToGlobal(pos));

    const QList<QListWidgetItem *> all = listEntries(list);
    const auto found = std::find_if(all.cbegin(), all.cend(), [&path](QListWidgetItem *item) {
        return entryPath(item) == path;
    });
    QListWidgetItem *item = found == all.cend() ? nullptr : *found;
    if (!chosen || !item)
        return;
    if (chosen == openAction)
        open(item);
    else if (chosen == remove)
        removeEntries(browser, history, {item});
    else if (chosen == removeAll)
        removeEntries(browser, history, all);
    else if (chosen == rename)
        renameEntry(browser, item);
    else if (chosen == saveAs)
        saveEntryAs(item);
    else if (chosen == saveAll)
        saveEntriesTo(all);
}

void BrowserFileActions::askAndImport(const ImportTargets &targets,
                                      const QStringList &videoSuffixes)
{
    const QStringList files =
        QFileDialog::getOpenFileNames(m_window, QString(), QString(),
                                      windowText(QT_TRANSLATE_NOOP("Specula", "图片和视频")) +
                                          QStringLiteral(" (%1)").arg(FileOps::importFilter(
                                              targets.pictureSuffixes + videoSuffixes)));
    if (!files.isEmpty())
        importFiles(files, targets);
}

void BrowserFileActions::openEntry(QListWidgetItem *item, FileBrowser *pictures,
                                   FileBrowser *videos, const QStringList &pictureSuffixes,
                                   const std::function<void(const QString &)> &openPicture)
{
    if (!item)
        return;
    const QString path = item->data(Qt::UserRole).toString();
    const QFileInfo info(path);
    qCDebug(lcMedia) << "info :" << info.fileName() << " suffix :" << info.suffix()
                     << "path :" << info.absoluteFilePath();
    if (info.isDir()) {
        // A folder opens in its browser, as a double-click does.
        (item->listWidget() == pictures->listWidget() ? pictures : videos)->setCurrentPath(path);
    } else if (FileOps::hasSuffix(path, pictureSuffixes)) {
        openPicture(path);
    } else {
        // Built from the path, not from text: names with blanks, "#" or "%" open too.
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
}

#include "calibration/MeasureEditer.h"
#include "media/FileBrowser.h"

#include "ModalAnswerer.h"
#include "TestFiles.h"
#include "WindowTest.h"

#include <QtTest>
#include <QtWidgets>

namespace {

/// Catches what the program hands to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

} // namespace

// The browsers' context menu, opening and import through the real window, on the folders the
// window made in the test home.
class tst_SpeculaFiles : public WindowTest
{
    Q_OBJECT

private:
    UrlCatcher m_catcher;

    FileBrowser *pictures() const { return requireChild<FileBrowser>(m_window, "imageBrowser"); }
    FileBrowser *videos() const { return requireChild<FileBrowser>(m_window, "cameraBrowser"); }
    QString pictureDir() const { return pictures()->currentPath(); }
    QListWidgetItem *entry(FileBrowser *browser, const QString &name) const
    {
        return browser->listWidget()->findItems(name, Qt::MatchExactly).value(0);
    }
    /// Right-clicks an entry (or an empty point) of a browser's list.
    void rightClick(FileBrowser *browser, const QString &name)
    {
        QListWidget *list = browser->listWidget();
        QListWidgetItem *item = entry(browser, name);
        const QPoint pos =
            item ? list->visualItemRect(item).center() : QPoint(5, list->viewport()->height() - 2);
        emit list->customContextMenuRequested(pos);
    }
    void refresh() { pictures()->setCurrentPath(pictures()->currentPath()); }
    static QString trashFiles()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/Trash/files");
    }

    void beforeWindow() override
    {
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
             QStringLiteral("/Trash"))
            .removeRecursively();
        m_catcher.urls.clear();
    }

private slots:
    void initTestCase()
    {
        prepare();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_catcher, "open");
    }

    void init()
    {
        QVERIFY(freshWindow());
        // The texts are compared with their sources.
        m_window->switchLang(0);
        QVERIFY(!pictureDir().isEmpty());
        QVERIFY(QDir().mkpath(pictureDir() + QStringLiteral("/series 2")));
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(pictureDir() + QStringLiteral("/A.JPG"), "JPG"));
        QVERIFY(writeFile(pictureDir() + QStringLiteral("/broken.png"), "not a picture"));
        refresh();
        // The browser lists lower-case suffixes only; an imported or captured upper-case
        // name is added the way the program adds new files.
        if (!entry(pictures(), QStringLiteral("A.JPG")))
            pictures()->addItem(pictureDir() + QStringLiteral("/A.JPG"));
        // The side panel shows the browsers.
        requireChild<QAbstractButton>(m_window, "btnOpenDir")->click();
    }

    void cleanupTestCase()
    {
        closeWindow();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    void menuForAFileAndForAFolder()
    {
        QStringList shown;
        const QString shotDir = qEnvironmentVariable("LUMIVEX_SHOT_DIR");
        {
            const ModalAnswerer::Step look = chooseMenuEntry(QString(), &shown);
            ModalAnswerer answers{[this, &shotDir, look](QWidget *w) {
                // A screenshot of the open menu when asked for.
                if (qobject_cast<QMenu *>(w) && !shotDir.isEmpty()) {
                    QTest::qWait(300);
                    const QRect frame = m_window->frameGeometry();
                    QGuiApplication::primaryScreen()
                        ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                        .save(shotDir + QStringLiteral("/browser-menu.png"));
                }
                return look(w);
            }};
            rightClick(pictures(), QStringLiteral("A.JPG"));
            QCOMPARE(answers.pending(), 0);
        }
        QCOMPARE(shown, (QStringList{QStringLiteral("打开"), QStringLiteral("删除"),
                                     QStringLiteral("全部删除"), QStringLiteral("重命名"),
                                     QStringLiteral("另存为"), QStringLiteral("全部另存为")}));
        shown.clear();
        {
            ModalAnswerer answers{chooseMenuEntry(QString(), &shown)};
            rightClick(pictures(), QStringLiteral("series 2"));
        }
        QCOMPARE(shown, (QStringList{QStringLiteral("打开"), QStringLiteral("删除"),
                                     QStringLiteral("全部删除"), QStringLiteral("重命名")}));
        // Empty space: no menu at all.
        rightClick(pictures(), QString());
        QVERIFY(!QApplication::activePopupWidget());
    }

    void openPictureInTheEditorAndVideoOnTheDesktop()
    {
        auto *editor = m_window->findChild<MeasureEditer *>();
        QVERIFY(editor);
        {
            ModalAnswerer answers{chooseMenuEntry(QStringLiteral("打开"))};
            rightClick(pictures(), QStringLiteral("A.JPG")); // the suffix ignores case
            QCOMPARE(answers.pending(), 0);
        }
        QTRY_VERIFY(editor->isVisible());
        editor->close();

        QString report;
        ModalAnswerer answers{pressButton(QMessageBox::Ok, &report)};
        m_window->onListItemOpen(entry(pictures(), QStringLiteral("broken.png")));
        QCOMPARE(answers.pending(), 0);
        QCOMPARE(report, QStringLiteral("打开文件失败"));

        const QString clip = videos()->currentPath() + QStringLiteral("/clip #1 50%.mp4");
        QVERIFY(writeFile(clip));
        videos()->addItem(clip);
        m_window->onListItemOpen(entry(videos(), QStringLiteral("clip #1 50%.mp4")));
        QCOMPARE(m_catcher.urls.size(), 1);
        QCOMPARE(m_catcher.urls.first().toLocalFile(), clip);
    }

    void saveAsOverwritesWhatTheUserConfirmed()
    {
        QTemporaryDir outside;
        const QString target = outside.filePath(QStringLiteral("copy.png"));
        QVERIFY(writeFile(target, "old"));
        ModalAnswerer answers{chooseMenuEntry(QStringLiteral("另存为")),
                              chooseFile(outside.filePath(QStringLiteral("copy.png"))),
                              pressButton(QMessageBox::Yes)};
        rightClick(pictures(), QStringLiteral("broken.png"));
        QCOMPARE(answers.pending(), 0);
        QCOMPARE(readFile(target), QByteArray("not a picture"));
    }

    void importAndDeleteThroughTheMenu()
    {
        QTemporaryDir outside;
        QVERIFY(writeFile(outside.filePath(QStringLiteral("A.JPG")), "imported"));
        QVERIFY(writeFile(outside.filePath(QStringLiteral("run 2.avi"))));
        ModalAnswerer answers{
            chooseFiles(outside.path(), {QStringLiteral("A.JPG"), QStringLiteral("run 2.avi")})};
        requireChild<QAction>(m_window, "actionImport")->trigger();
        QCOMPARE(answers.pending(), 0);
        // The clash got "_1"; the video went to the video browser.
        QVERIFY(QFile::exists(pictureDir() + QStringLiteral("/A_1.JPG")));
        QVERIFY(entry(pictures(), QStringLiteral("A_1.JPG")));
        QVERIFY(entry(videos(), QStringLiteral("run 2.avi")));
        QVERIFY(m_window->config().imageFiles.contains(pictureDir() + QStringLiteral("/A_1.JPG")));

        // Deleting goes to the trash.
        ModalAnswerer remove{chooseMenuEntry(QStringLiteral("删除")),
                             pressButton(QMessageBox::Yes)};
        rightClick(pictures(), QStringLiteral("A_1.JPG"));
        QCOMPARE(remove.pending(), 0);
        QVERIFY(!entry(pictures(), QStringLiteral("A_1.JPG")));
        QVERIFY(QFile::exists(trashFiles() + QStringLiteral("/A_1.JPG")));
        QVERIFY(!m_window->config().imageFiles.contains(pictureDir() + QStringLiteral("/A_1.JPG")));
    }
};

QTEST_MAIN(tst_SpeculaFiles)
#include "tst_speculafiles.moc"

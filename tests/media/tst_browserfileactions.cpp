#include "media/BrowserFileActions.h"
#include "media/FileBrowser.h"

#include "ModalAnswerer.h"
#include "TestFiles.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QStringList names(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result.append(list->item(i)->text());
    result.sort();
    return result;
}

QListWidgetItem *entry(const QListWidget *list, const QString &name)
{
    return list->findItems(name, Qt::MatchExactly).value(0);
}

} // namespace

// The browsers' file operations on real browsers over temporary folders, with the dialogs
// answered as a user would. The trash is that of the test home (QStandardPaths test mode).
class tst_BrowserFileActions : public QObject
{
    Q_OBJECT

private:
    QWidget m_window;
    FileBrowser *m_pictures = nullptr;
    FileBrowser *m_videos = nullptr;
    BrowserFileActions *m_actions = nullptr;
    QTemporaryDir *m_root = nullptr;
    QString m_busy;

    QString pictureDir() const { return m_root->filePath(QStringLiteral("image/pictures")); }
    QString videoDir() const { return m_root->filePath(QStringLiteral("movie/videos")); }
    QListWidget *pictureList() const { return m_pictures->listWidget(); }
    static QString trashFiles()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/Trash/files");
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QDir(data + QStringLiteral("/Trash")).removeRecursively();
        QVERIFY(QDir().mkpath(data)); // the working folders are made inside it
        m_pictures = new FileBrowser(&m_window);
        m_pictures->setMode(0);
        m_videos = new FileBrowser(&m_window);
        m_videos->setMode(1);
        m_actions = new BrowserFileActions(&m_window);
        m_actions->setBusyCheck([this](const QString &path) { return path == m_busy; });
    }

    void init()
    {
        // The trash lives in the test home: the folders must be on the same disk.
        m_root = new QTemporaryDir(
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/work-XXXXXX"));
        QVERIFY(QDir().mkpath(pictureDir() + QStringLiteral("/series #2")));
        QVERIFY(QDir().mkpath(videoDir()));
        QVERIFY(writeFile(pictureDir() + QStringLiteral("/a 1.png"), "a"));
        QVERIFY(writeFile(pictureDir() + QStringLiteral("/20240305_140709.jpg"), "b"));
        QVERIFY(writeFile(pictureDir() + QStringLiteral("/series #2/c.png"), "c"));
        m_pictures->setBasePath(m_root->filePath(QStringLiteral("image")));
        m_pictures->setCurrentPath(pictureDir());
        m_videos->setBasePath(m_root->filePath(QStringLiteral("movie")));
        m_videos->setCurrentPath(videoDir());
        m_busy.clear();
    }

    void cleanup() { delete m_root; }

    void deleteAsksFirstAndUsesTheTrash()
    {
        QStringList history{pictureDir() + QStringLiteral("/a 1.png")};
        QListWidgetItem *item = entry(pictureList(), QStringLiteral("a 1.png"));
        QVERIFY(item);
        QString question;
        {
            ModalAnswerer answers{pressButton(QMessageBox::No, &question)};
            m_actions->removeEntries(m_pictures, history, {item});
            QCOMPARE(answers.pending(), 0);
        }
        QVERIFY(question.contains(QStringLiteral("a 1.png")));
        QVERIFY(QFile::exists(pictureDir() + QStringLiteral("/a 1.png")));
        QCOMPARE(history.size(), 1);

        ModalAnswerer answers{pressButton(QMessageBox::Yes)};
        m_actions->removeEntries(m_pictures, history, {item});
        QCOMPARE(answers.pending(), 0);
        QVERIFY(!QFile::exists(pictureDir() + QStringLiteral("/a 1.png")));
        QVERIFY(QFile::exists(trashFiles() + QStringLiteral("/a 1.png")));
        QVERIFY(history.isEmpty());
        QVERIFY(!entry(pictureList(), QStringLiteral("a 1.png")));
    }

    void deleteAllTakesFoldersAndReportsFailures()
    {
        QStringList history{pictureDir() + QStringLiteral("/20240305_140709.jpg"),
                            pictureDir() + QStringLiteral("/series #2/c.png"),
                            QStringLiteral("/elsewhere/kept.png")};
        // One entry's file vanished behind the program's back, one is being recorded.
        QVERIFY(QFile::remove(pictureDir() + QStringLiteral("/a 1.png")));
        m_busy = pictureDir() + QStringLiteral("/20240305_140709.jpg");
        QList<QListWidgetItem *> all;
        for (int i = 0; i < pictureList()->count(); ++i)
            all.append(pictureList()->item(i));
        QCOMPARE(all.size(), 3);
        QString question;
        QString report;
        ModalAnswerer answers{pressButton(QMessageBox::Yes, &question),
                              pressButton(QMessageBox::Ok, &report)};
        m_actions->removeEntries(m_pictures, history, all);
        QCOMPARE(answers.pending(), 0);
        QVERIFY2(question.contains(QStringLiteral("3")), qPrintable(question));
        // The folder went to the trash with its contents and left the list and the history.
        QVERIFY(QFile::exists(trashFiles() + QStringLiteral("/series #2/c.png")));
        QVERIFY(!QFileInfo::exists(pictureDir() + QStringLiteral("/series #2")));
        // The two others are reported and stay listed; the recorded file stays on disk.
        QVERIFY(report.contains(QStringLiteral("a 1.png")));
        QVERIFY(report.contains(QStringLiteral("20240305_140709.jpg")));
        QCOMPARE(names(pictureList()),
                 (QStringList{QStringLiteral("20240305_140709.jpg"), QStringLiteral("a 1.png")}));
        QVERIFY(QFile::exists(m_busy));
        QCOMPARE(history, (QStringList{m_busy, QStringLiteral("/elsewhere/kept.png")}));
    }

    void renameRefusesAndKeepsTheHistory_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("renamed");
        // The name rules themselves are FileOps' (tst_fileops); here: the dialog and the boxes.
        QTest::newRow("outside the folder") << QStringLiteral("../probe.jpg") << false;
        QTest::newRow("existing") << QStringLiteral("a 1.png") << false;
        QTest::newRow("fine") << QStringLiteral("probe #1 50%.jpg") << true;
    }

    void renameRefusesAndKeepsTheHistory()
    {
        QFETCH(QString, typed);
        QFETCH(bool, renamed);
        const QString old = pictureDir() + QStringLiteral("/20240305_140709.jpg");
        QListWidgetItem *item = entry(pictureList(), QStringLiteral("20240305_140709.jpg"));
        QVERIFY(item);
        QString report;
        if (renamed) {
            ModalAnswerer answers{typeText(typed)};
            m_actions->renameEntry(m_pictures, item);
            QCOMPARE(answers.pending(), 0);
            QVERIFY(!QFile::exists(old));
            QVERIFY(QFile::exists(pictureDir() + QLatin1Char('/') + typed));
            QVERIFY(entry(pictureList(), typed));
        } else {
            ModalAnswerer answers{typeText(typed), pressButton(QMessageBox::Ok, &report)};
            m_actions->renameEntry(m_pictures, item);
            QCOMPARE(answers.pending(), 0);
            QVERIFY(!report.isEmpty());
            QVERIFY(QFile::exists(old));
            QCOMPARE(QFile(pictureDir() + QStringLiteral("/a 1.png")).size(), 1);
            QVERIFY(!QFile::exists(m_root->filePath(QStringLiteral("image/probe.jpg"))));
        }
    }

    // A picture's results table goes wherever the picture goes, and never on its own.
    void picturesTakeTheirResultsAlong_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("csvAfter"); // empty: none left in the folder
        QTest::newRow("delete") << "delete" << QString();
        QTest::newRow("rename") << "rename"
                                << "probe 7.csv";
        QTest::newRow("import") << "import"
                                << "a 1_1.csv";
    }

    void picturesTakeTheirResultsAlong()
    {
        QFETCH(QString, action);
        QFETCH(QString, csvAfter);
        QTemporaryDir outside;
        const QString csv = pictureDir() + QStringLiteral("/a 1.csv");
        QVERIFY(writeFile(csv, "Index,Kind\r\n"));
        QStringList history;
        QListWidgetItem *item = entry(pictureList(), QStringLiteral("a 1.png"));
        if (action == QLatin1String("delete")) {
            ModalAnswerer answers{pressButton(QMessageBox::Yes)};
            m_actions->removeEntries(m_pictures, history, {item});
            QCOMPARE(answers.pending(), 0);
        } else if (action == QLatin1String("rename")) {
            ModalAnswerer answers{typeText(QStringLiteral("probe 7.png"))};
            m_actions->renameEntry(m_pictures, item);
            QCOMPARE(answers.pending(), 0);
        } else {
            QVERIFY(writeFile(outside.filePath(QStringLiteral("a 1.png"))));
            QVERIFY(writeFile(outside.filePath(QStringLiteral("a 1.csv")), "Index,Kind\r\n"));
            BrowserFileActions::ImportTargets targets;
            targets.pictureSuffixes = QStringList{QStringLiteral("png")};
            targets.pictures = m_pictures;
            targets.videos = m_videos;
            m_actions->importFiles({outside.filePath(QStringLiteral("a 1.png"))}, targets);
        }
        QCOMPARE(QFile::exists(csv), action == QLatin1String("import"));
        if (!csvAfter.isEmpty())
            QCOMPARE(QFile(pictureDir() + QLatin1Char('/') + csvAfter).size(), 12);
        // The browsers list pictures and videos only.
        QVERIFY(!entry(pictureList(), QStringLiteral("a 1.csv")));
    }

    void recordedFileIsNotRenamed()
    {
        m_busy = pictureDir() + QStringLiteral("/a 1.png");
        QString report;
        ModalAnswerer answers{pressButton(QMessageBox::Ok, &report)};
        m_actions->renameEntry(m_pictures, entry(pictureList(), QStringLiteral("a 1.png")));
        QCOMPARE(answers.pending(), 0);
        QVERIFY(QFile::exists(m_busy));
    }

    // A folder opens in the browser listing it, a picture in the caller's viewer; other
    // files go to the desktop, which the test leaves alone.
    void openEntry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("browsed");
        QTest::addColumn<QString>("picture");
        QTest::newRow("folder") << "series #2"
                                << "series #2" << QString();
        QTest::newRow("picture") << "a 1.png" << QString() << "a 1.png";
    }
    void openEntry()
    {
        QFETCH(QString, name);
        QFETCH(QString, browsed);
        QFETCH(QString, picture);
        QString opened;
        const auto open = [&opened](const QString &path) { opened = path; };
        m_actions->openEntry(nullptr, m_pictures, m_videos, {"png"}, open);
        m_actions->openEntry(entry(pictureList(), name), m_pictures, m_videos, {"png"}, open);
        QCOMPARE(m_pictures->currentPath(),
                 browsed.isEmpty() ? pictureDir() : pictureDir() + '/' + browsed);
        QCOMPARE(m_videos->currentPath(), videoDir());
        QCOMPARE(opened, picture.isEmpty() ? QString() : pictureDir() + '/' + picture);
    }

    void importCopiesIntoTheRightListAndReports()
    {
        QTemporaryDir outside;
        const QString picture = outside.filePath(QStringLiteral("a 1.png")); // clashes
        const QString upper = outside.filePath(QStringLiteral("B.JPG"));
        const QString video = outside.filePath(QStringLiteral("clip #3.mp4"));
        QVERIFY(writeFile(picture, "new"));
        QVERIFY(writeFile(upper));
        QVERIFY(writeFile(video));
        const QString missing = outside.filePath(QStringLiteral("gone.png"));

        QStringList pictureHistory;
        QStringList videoHistory;
        BrowserFileActions::ImportTargets targets;
        targets.pictureSuffixes =
            QStringList{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("bmp")};
        targets.pictures = m_pictures;
        targets.videos = m_videos;
        targets.pictureHistory = &pictureHistory;
        targets.videoHistory = &videoHistory;
        QString report;
        ModalAnswerer answers{pressButton(QMessageBox::Ok, &report)};
        m_actions->importFiles({picture, missing, upper, video}, targets);
        QCOMPARE(answers.pending(), 0);

        // Copies, not the originals; the clash got "_1"; the original file in the folder is
        // untouched; the failure is reported once.
        const QString renamedCopy = pictureDir() + QStringLiteral("/a 1_1.png");
        QCOMPARE(pictureHistory, (QStringList{renamedCopy, pictureDir() + "/B.JPG"}));
        QCOMPARE(videoHistory, QStringList{videoDir() + QStringLiteral("/clip #3.mp4")});
        QVERIFY(entry(pictureList(), QStringLiteral("a 1_1.png")));
        QVERIFY(entry(m_videos->listWidget(), QStringLiteral("clip #3.mp4")));
        QCOMPARE(QFile(pictureDir() + QStringLiteral("/a 1.png")).size(), 1);
        QVERIFY(QFile::exists(picture));
        QVERIFY(report.contains(QStringLiteral("gone.png")));
    }

    void importStopsWhenTheWindowRefusesTheFolder()
    {
        QTemporaryDir outside;
        const QString video = outside.filePath(QStringLiteral("v.mp4"));
        QVERIFY(writeFile(video));
        QStringList pictureHistory;
        QStringList videoHistory;
        BrowserFileActions::ImportTargets targets;
        targets.pictureSuffixes = QStringList{QStringLiteral("png")};
        targets.pictures = m_pictures;
        targets.videos = m_videos;
        targets.pictureHistory = &pictureHistory;
        targets.videoHistory = &videoHistory;
        targets.checkPath = [](int type) { return type == 0; };
        m_actions->importFiles({video}, targets);
        QVERIFY(videoHistory.isEmpty());
        QVERIFY(!QFile::exists(videoDir() + QStringLiteral("/v.mp4")));
    }
};

QTEST_MAIN(tst_BrowserFileActions)
#include "tst_browserfileactions.moc"

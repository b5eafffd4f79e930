#include "config/Config.h"
#include "media/FileBrowser.h"
#include "media/PictureWriter.h"
#include "media/SaveFolders.h"

#include <QtTest>

// The save-folder rules with two real browsers over temporary folders, without the window.
class tst_SaveFolders : public QObject
{
    Q_OBJECT

private slots:
    void foldersAndNames()
    {
        QTemporaryDir dir;
        Config config;
        config.imageDir = dir.filePath(QStringLiteral("image"));
        config.movieDir = dir.filePath(QStringLiteral("movie"));
        config.imageFormat = 1;
        config.imageFiles = QStringList{dir.filePath(QStringLiteral("gone.png"))};
        FileBrowser pictures;
        FileBrowser videos;
        PictureWriter writer;
        SaveFolders folders(&config, &pictures, &videos, &writer, {"png", "jpg", "bmp"}, {"mp4"});

        // Missing roots are made with their sub-folders; vanished history entries drop out.
        folders.ensureRoots();
        QVERIFY(QFileInfo(QDir(config.imageDir).filePath("Photo")).isDir());
        QVERIFY(config.imageFiles.isEmpty());
        const QString next = folders.nextPath(SavePicture);
        QCOMPARE(QFileInfo(next).absolutePath(), QDir(config.imageDir).filePath("Photo"));
        QCOMPARE(QFileInfo(next).suffix(), QStringLiteral("jpg"));
        QVERIFY(!folders.isAtRoot(SavePicture));

        // A browser at its root refuses; its folder is remembered relative to the root.
        videos.setCurrentPath(config.movieDir);
        QVERIFY(folders.isAtRoot(SaveVideo));
        folders.storeBrowsedFolders();
        QCOMPARE(config.movieSubDir, QStringLiteral("."));

        // Only a new root of a dialog's copy counts; it starts in its default sub-folder.
        Config edited = config;
        QVERIFY(!folders.takeRoots(edited));
        edited.movieDir = dir.filePath(QStringLiteral("elsewhere"));
        edited.movieFiles = QStringList{QStringLiteral("stale")};
        QVERIFY(folders.takeRoots(edited));
        QCOMPARE(config.movieDir, edited.movieDir);
        QCOMPARE(config.movieSubDir, Config().movieSubDir);
        QVERIFY(config.movieFiles.isEmpty());
        QVERIFY(QFileInfo(QDir(edited.movieDir).filePath("Video")).isDir());
    }
};

QTEST_MAIN(tst_SaveFolders)
#include "tst_savefolders.moc"

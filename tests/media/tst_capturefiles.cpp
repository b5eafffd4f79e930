#include "media/CaptureGeometry.h"
#include "media/PictureWriter.h"
#include "media/SavePath.h"

#include <QtTest>

class tst_CaptureFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void namesNeverOverwrite()
    {
        const QDateTime time(QDate(2024, 3, 5), QTime(14, 7, 9));
        QCOMPARE(saveStamp(time), QStringLiteral("20240305_140709"));

        const QString folder = m_dir.filePath("names");
        QVERIFY(QDir().mkpath(folder));
        const QString first = uniqueSavePath(folder, saveStamp(time), "bmp");
        QCOMPARE(first, folder + "/20240305_140709.bmp");
        QFile(first).open(QIODevice::WriteOnly);
        QCOMPARE(uniqueSavePath(folder, saveStamp(time), "bmp"), folder + "/20240305_140709_1.bmp");
        // Another suffix is another name.
        QCOMPARE(uniqueSavePath(folder, saveStamp(time), "mp4"), folder + "/20240305_140709.mp4");
        // A name still being written counts as taken.
        const auto pending = [&](const QString &path) {
            return path == folder + "/20240305_140709_1.bmp";
        };
        QCOMPARE(uniqueSavePath(folder, saveStamp(time), "bmp", pending),
                 folder + "/20240305_140709_2.bmp");
    }

    void folderRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "New Folder" << true;
        QTest::newRow("dots inside") << "a.b" << true;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("self") << "." << false;
        QTest::newRow("blank") << " " << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
    }
    void folderRules()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(isValidFolderName(name), valid);
    }

    void folderRelations()
    {
        QVERIFY(isSameFolder("/a/b/", "/a/b"));
        QVERIFY(isSameFolder("/a/b/../b", "/a/b"));
        QVERIFY(!isSameFolder("/a/b/c", "/a/b"));
        QVERIFY(isInsideFolder("/a/b/c", "/a/b"));
        QVERIFY(isInsideFolder("/a/b", "/a/b"));
        QVERIFY(!isInsideFolder("/a/bc", "/a/b"));
        QVERIFY(!isInsideFolder("/a/b/c/../..", "/a/b"));
    }

    void foldersAndHistory()
    {
        const QString root = m_dir.filePath("new/root");
        QVERIFY(ensureSaveFolders(root, "Photo"));
        QVERIFY(QFileInfo(root + "/Photo").isDir());
        // An existing root gets its missing sub-folder.
        QVERIFY(ensureSaveFolders(root, "Other"));
        QVERIFY(QFileInfo(root + "/Other").isDir());

        QFile(root + "/Photo/kept.jpg").open(QIODevice::WriteOnly);
        QStringList files{root + "/Photo/gone.jpg", root + "/Photo/kept.jpg",
                          root + "/Photo/also-gone.jpg", root + "/Photo/kept.jpg"};
        QCOMPARE(pruneMissingFiles(files), 2);
        QCOMPARE(files, QStringList({root + "/Photo/kept.jpg", root + "/Photo/kept.jpg"}));
    }

    void zoomCrop_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRect>("crop");
        QTest::newRow("2.0x of 1080p") << QSize(1920, 1080) << 2.0 << QRect(480, 270, 960, 540);
        QTest::newRow("1.0x") << QSize(1920, 1080) << 1.0 << QRect(0, 0, 1920, 1080);
        QTest::newRow("0.5x") << QSize(1920, 1080) << 0.5 << QRect(-960, -540, 3840, 2160);
        QTest::newRow("2.5x, odd sizes truncate toward zero")
            << QSize(1001, 601) << 2.5 << QRect(299, 179, 400, 240);
        QTest::newRow("no factor") << QSize(640, 480) << 0.0 << QRect(0, 0, 640, 480);
    }
    void zoomCrop()
    {
        QFETCH(QSize, source);
        QFETCH(double, scale);
        QFETCH(QRect, crop);
        QCOMPARE(zoomCropRect(source, scale), crop);
    }

    void croppedPictures()
    {
        // A frame of red around a green centre half.
        QImage source(400, 200, QImage::Format_RGB32);
        source.fill(Qt::red);
        for (int y = 50; y < 150; ++y)
            for (int x = 100; x < 300; ++x)
                source.setPixel(x, y, qRgb(0, 255, 0));

        const QImage twice = cropToZoom(source, 2.0);
        QCOMPARE(twice.size(), source.size());
        QCOMPARE(twice.pixel(5, 5), qRgb(0, 255, 0));
        QCOMPARE(twice.pixel(394, 194), qRgb(0, 255, 0));

        const QImage half = cropToZoom(source, 0.5);
        QCOMPARE(half.size(), source.size());
        QCOMPARE(half.pixel(5, 5), qRgb(0, 0, 0));
        QCOMPARE(half.pixel(110, 60), qRgb(255, 0, 0));
        QCOMPARE(half.pixel(200, 100), qRgb(0, 255, 0));

        QCOMPARE(cropToZoom(source, 1.0), source);
    }

    void printAndTiles()
    {
        QCOMPARE(printTargetRect(QSize(1920, 1080), QRect(0, 0, 794, 1123)),
                 QRect(10, 344, 774, 435));
        QCOMPARE(printTargetRect(QSize(100, 1000), QRect(0, 0, 520, 520)), QRect(235, 10, 50, 500));

        // Captures go to the checked tile and move the check on: 1 → 2 → 3 → 1; none checked,
        // or the live tile, counts as tile 1.
        QCOMPARE(fourViewCaptureTile(-1), 1);
        QCOMPARE(fourViewCaptureTile(0), 1);
        QCOMPARE(fourViewCaptureTile(3), 3);
        QCOMPARE(fourViewNextTile(1), 2);
        QCOMPARE(fourViewNextTile(2), 3);
        QCOMPARE(fourViewNextTile(3), 1);
    }

    void writesWholeFilesOrNone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ok");
        QTest::newRow("png") << "a.png" << true;
        QTest::newRow("jpg") << "a.jpg" << true;
        QTest::newRow("bmp") << "a.bmp" << true;
        QTest::newRow("unknown suffix") << "a.xyz" << false;
        QTest::newRow("missing folder") << "gone/a.png" << false;
        QTest::newRow("folder is a file") << "file/a.png" << false;
    }
    void writesWholeFilesOrNone()
    {
        QFETCH(QString, name);
        QFETCH(bool, ok);
        const QString folder = m_dir.filePath("write");
        QDir().mkpath(folder);
        QFile(folder + "/file").open(QIODevice::WriteOnly);
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::cyan);
        const QString path = folder + '/' + name;
        QCOMPARE(writePictureFile(picture, path), ok);
        QCOMPARE(QFileInfo::exists(path), ok);
        if (ok)
            QCOMPARE(QImage(path).size(), picture.size());
        // Nothing half-written is left beside the pictures.
        const QStringList left = QDir(folder).entryList(QDir::Files);
        QVERIFY2(left.size() == (ok ? 2 : 1) || !ok, qPrintable(left.join(',')));
        QFile::remove(path);
        QVERIFY(!writePictureFile(QImage(), folder + "/null.png"));
        QVERIFY(!QFileInfo::exists(folder + "/null.png"));
    }

    void readOnlyFolderFails()
    {
        const QString folder = m_dir.filePath("readonly");
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        if (QFile(folder + "/probe").open(QIODevice::WriteOnly))
            QSKIP("permissions do not bind this user (superuser)");
        QImage picture(8, 8, QImage::Format_RGB32);
        QVERIFY(!writePictureFile(picture, folder + "/a.png"));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void writerReportsOnTheGuiThread()
    {
        const QString folder = m_dir.filePath("writer");
        QDir().mkpath(folder);
        QImage picture(320, 240, QImage::Format_RGB32);
        picture.fill(Qt::yellow);
        PictureWriter writer;
        QSignalSpy written(&writer, &PictureWriter::written);
        writer.write(picture, folder + "/1.png", 7);
        writer.write(picture, folder + "/2.xyz", 8);
        QVERIFY(writer.isPending(folder + "/1.png"));
        QCOMPARE(writer.pendingCount(), 2);
        QTRY_COMPARE(written.count(), 2);
        QCOMPARE(written.at(0), QVariantList({folder + "/1.png", true, 7}));
        QCOMPARE(written.at(1), QVariantList({folder + "/2.xyz", false, 8}));
        QCOMPARE(writer.pendingCount(), 0);

        // finish() hands over what is in flight before it returns.
        writer.write(picture, folder + "/3.png", 9);
        writer.finish();
        QCOMPARE(written.count(), 3);
        QVERIFY(QFileInfo::exists(folder + "/3.png"));
    }
};

QTEST_GUILESS_MAIN(tst_CaptureFiles)
#include "tst_capturefiles.moc"

#include "media/CaptureGeometry.h"
#include "media/PictureWriter.h"
#include "media/SavePath.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

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

    void writesWholeFilesOrNone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<bool>("ok");
        QTest::newRow("png") << "a.png" << false << true;
        QTest::newRow("jpg") << "a.jpg" << false << true;
        QTest::newRow("bmp") << "a.bmp" << false << true;
        QTest::newRow("unknown suffix") << "a.xyz" << false << false;
        QTest::newRow("missing folder") << "gone/a.png" << false << false;
        QTest::newRow("folder is a file") << "file/a.png" << false << false;
        QTest::newRow("png, full disk") << "a.png" << true << false;
        QTest::newRow("jpg, full disk") << "a.jpg" << true << false;
        QTest::newRow("bmp, full disk") << "a.bmp" << true << false;
    }
    void writesWholeFilesOrNone()
    {
        QFETCH(QString, name);
        QFETCH(bool, fullDisk);
        QFETCH(bool, ok);
        const QString folder = m_dir.filePath("write");
        QDir().mkpath(folder);
        QFile(folder + "/file").open(QIODevice::WriteOnly);
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::cyan);
        const QString path = folder + '/' + name;
        // A full disk, as a limit of 16 bytes per file: writes past it fail (the signal the
        // limit raises is ignored, as a write to a full disk raises none).
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit before = limit;
        const auto oldHandler = signal(SIGXFSZ, fullDisk ? SIG_IGN : SIG_DFL);
        if (fullDisk) {
            limit.rlim_cur = 16;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const bool written = writePictureFile(picture, path);
        setrlimit(RLIMIT_FSIZE, &before);
        signal(SIGXFSZ, oldHandler);
        QCOMPARE(written, ok);
        QCOMPARE(QFileInfo::exists(path), ok);
        if (ok)
            QCOMPARE(QImage(path).size(), picture.size());
        // Nothing half-written is left beside the pictures: only "file" and the picture.
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), ok ? 2 : 1);
        QFile::remove(path);
        QVERIFY(!writePictureFile(QImage(), folder + "/null.png"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList("file"));
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

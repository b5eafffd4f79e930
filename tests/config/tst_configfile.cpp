#include "ByteList.h"
#include "TestFiles.h"
#include "config/Config.h"
#include "config/ConfigFile.h"

#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray encode(const Config &config)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_12);
    out << config;
    return bytes;
}

QByteArray signatureBytes()
{
    return ByteList().u32(5).i32(48).i32(24).i32(360).i32(200).i32(123).bytes();
}

// A record with something in every container, so that cuts land inside each of them.
Config richConfig()
{
    Config c;
    c.showTime = false;
    c.language = 3;
    c.currentCamera = QStringLiteral("cam-0c450223");
    c.imageFiles = QStringList{QStringLiteral("/p/1.png"), QStringLiteral("/p/2.png")};
    c.movieFiles = QStringList{QStringLiteral("/m/1.mp4")};
    CameraConfig cam;
    cam.name = QStringLiteral("n");
    cam.exposure.value = 12;
    c.cameras.insert(QStringLiteral("cam-0c450223"), cam);
    c.cameras.insert(QStringLiteral("cam-0c450224"), CameraConfig());
    BDInfo bd;
    bd.name = QStringLiteral("20.00X");
    bd.ratio = 0.004;
    bd.unit = 2;
    c.bdInfos = {bd, BDInfo()};
    c.style.fontSizeIndex = 2;
    c.autoRecordStart = QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5), Qt::UTC);
    c.autoRecordCount = 4;
    return c;
}

// A record that differs from both the defaults and richConfig(), to see that a rejected file
// leaves the record alone.
Config sentinelConfig()
{
    Config c;
    c.language = 9;
    c.imageFormat = 0;
    c.bdInfos = {BDInfo()};
    return c;
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QVERIFY(writeFile(path, bytes));
}

void quietHandler(QtMsgType, const QMessageLogContext &, const QString &) {}

QString testData(const QString &name)
{
    return qEnvironmentVariable("LUMIVEX_TEST_DATA") + QStringLiteral("/config/") + name;
}

/// Every set-aside copy beside `path`, oldest name first.
QStringList setAsideCopies(const QString &path)
{
    const QFileInfo info(path);
    QStringList names = info.dir().entryList({info.fileName() + ".bad*"}, QDir::Files);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return names;
}

} // namespace

class tst_ConfigFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("Measure.config"));
    }

    void init()
    {
        QFile::remove(m_path);
        for (const QString &name : setAsideCopies(m_path))
            QFile::remove(m_dir.filePath(name));
    }

    void saveCreatesFolderAndReadsBack()
    {
        const QString path = m_dir.filePath(QStringLiteral("new/deeper/Measure.config"));
        const Config written = richConfig();
        QVERIFY(ConfigFile::save(path, written));
        QCOMPARE(readFile(path), signatureBytes() + encode(written));

        Config read;
        QCOMPARE(ConfigFile::load(path, read), ConfigFile::LoadResult::Loaded);
        QCOMPARE(encode(read), encode(written));
        QCOMPARE(read.polygonAreaMode, 2);
        QVERIFY(!QFile::exists(path + ".bad"));
    }

    void saveReplacesLongerFile()
    {
        QVERIFY(ConfigFile::save(m_path, richConfig()));
        const Config small;
        QVERIFY(ConfigFile::save(m_path, small));
        QCOMPARE(readFile(m_path), signatureBytes() + encode(small));
    }

    void saveFailureKeepsOldFile()
    {
        // The target is a folder: nothing can be written, and the folder stays as it is.
        const QString path = m_dir.filePath(QStringLiteral("taken"));
        QVERIFY(QDir().mkpath(path + "/inside"));
        QVERIFY(!ConfigFile::save(path, richConfig()));
        QVERIFY(QFileInfo(path + "/inside").isDir());
    }

    void missingFile()
    {
        Config config = sentinelConfig();
        QCOMPARE(ConfigFile::load(m_path, config), ConfigFile::LoadResult::Missing);
        QCOMPARE(encode(config), encode(sentinelConfig()));
        QVERIFY(!QFile::exists(m_path + ".bad"));
    }

    void rejectedFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray body = encode(richConfig());
        auto sig = [](std::initializer_list<qint32> values, quint32 count) {
            ByteList b;
            b.u32(count);
            for (qint32 v : values)
                b.i32(v);
            return b.bytes();
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("shorter than the count") << QByteArray("\0\0", 2);
        QTest::newRow("last value 124") << sig({48, 24, 360, 200, 124}, 5) + body;
        QTest::newRow("first value differs") << sig({49, 24, 360, 200, 123}, 5) + body;
        QTest::newRow("four values") << sig({48, 24, 360, 200}, 4) + body;
        QTest::newRow("six values") << sig({48, 24, 360, 200, 123, 0}, 6) + body;
        QTest::newRow("signature cut short") << sig({48, 24, 360}, 5);
        QTest::newRow("huge signature count") << sig({48, 24, 360, 200, 123}, 0x7FFFFFFF) + body;
        QTest::newRow("signature only") << signatureBytes();
        QTest::newRow("text file") << QByteArray("language=1\nshowTime=true\n");
    }

    void rejectedFiles()
    {
        QFETCH(QByteArray, content);
        writeAll(m_path, content);
        Config config = sentinelConfig();
        QCOMPARE(ConfigFile::load(m_path, config), ConfigFile::LoadResult::Rejected);
        QCOMPARE(encode(config), encode(sentinelConfig()));
        // The rejected file is kept for the user, out of the next save's way.
        QCOMPARE(readFile(m_path + ".bad"), content);
        QVERIFY(!QFile::exists(m_path));
    }

    void truncatedAtManyOffsets()
    {
        const QByteArray full = signatureBytes() + encode(richConfig());
        const QByteArray untouched = encode(sentinelConfig());
        // Every cut is reported; keep the log readable.
        const QtMessageHandler previous = qInstallMessageHandler(quietHandler);
        QStringList failures;
        // Every offset through the signature and the first fields, then every third byte
        // (each rejected load also moves the file aside).
        for (int cut = 0; cut < full.size(); cut += cut < 200 ? 1 : 3) {
            writeAll(m_path, full.left(cut));
            QFile::remove(m_path + ".bad");
            Config config = sentinelConfig();
            const auto result = ConfigFile::load(m_path, config);
            if (result != ConfigFile::LoadResult::Rejected || encode(config) != untouched ||
                readFile(m_path + ".bad") != full.left(cut))
                failures.append(QString::number(cut));
        }
        qInstallMessageHandler(previous);
        QVERIFY2(failures.isEmpty(),
                 qPrintable("cuts not rejected cleanly: " + failures.join(' ')));
        writeAll(m_path, full);
        Config config;
        QCOMPARE(ConfigFile::load(m_path, config), ConfigFile::LoadResult::Loaded);
    }

    void hugeCounts_data()
    {
        QTest::addColumn<QByteArray>("content");
        // Everything up to the field under test, written by hand; the count claims far more
        // than the file holds.
        const QByteArray tail(4096, '\x01');
        auto head = [] {
            ByteList b;
            b.raw(signatureBytes());
            return b;
        };
        auto throughFolders = [&] {
            ByteList b = head();
            b.nullStr().boolean(true).i32(1).i32(0).i32(0).i32(-1).i32(-1);
            b.str("/i").str("/m").str("Photo").str("Video");
            return b;
        };
        auto throughFormats = [&] {
            ByteList b = throughFolders();
            b.u32(0).u32(0).i32(1).i32(0);
            return b;
        };
        QTest::newRow("string length 0x7FFFFFFE") << head().u32(0x7FFFFFFE).raw(tail).bytes();
        QTest::newRow("odd string length") << head().u32(3).raw(tail).bytes();
        QTest::newRow("picture list 0x7FFFFFFF")
            << throughFolders().u32(0x7FFFFFFF).raw(tail).bytes();
        QTest::newRow("picture list 0xFFFFFFFE")
            << throughFolders().u32(0xFFFFFFFE).raw(tail).bytes();
        QTest::newRow("video list 0x10000000")
            << throughFolders().u32(0).u32(0x10000000).raw(tail).bytes();
        QTest::newRow("camera map 0xFFFFFFFE")
            << throughFormats().u32(0xFFFFFFFE).raw(tail).bytes();
        QTest::newRow("calibrations 0x7FFFFFFF")
            << throughFormats().u32(0).u32(0x7FFFFFFF).raw(tail).bytes();
    }

    void hugeCounts()
    {
        QFETCH(QByteArray, content);
        writeAll(m_path, content);
        Config config = sentinelConfig();
        QCOMPARE(ConfigFile::load(m_path, config), ConfigFile::LoadResult::Rejected);
        QCOMPARE(encode(config), encode(sentinelConfig()));
        QVERIFY(QFile::exists(m_path + ".bad"));
    }

    void repeatedCameraKeyKeepsOneEntry()
    {
        Config one;
        CameraConfig first;
        first.name = QStringLiteral("first");
        one.cameras.insert(QStringLiteral("dup"), first);
        QByteArray body = encode(one);

        // Patch the count from 1 to 2 and repeat the pair with another name.
        CameraConfig second;
        second.name = QStringLiteral("second");
        QByteArray pair;
        {
            QDataStream out(&pair, QIODevice::WriteOnly);
            out.setVersion(QDataStream::Qt_5_12);
            out << QStringLiteral("dup") << second;
        }
        const QByteArray countOne = ByteList().u32(1).str("dup").bytes();
        const int at = body.indexOf(countOne);
        QVERIFY(at > 0);
        body.replace(at, 4, ByteList().u32(2).bytes());
        body.insert(at + 4, pair);
        writeAll(m_path, signatureBytes() + body);

        Config config;
        QCOMPARE(ConfigFile::load(m_path, config), ConfigFile::LoadResult::Loaded);
        QCOMPARE(config.cameras.size(), 1);
        // The pair read last wins.
        QCOMPARE(config.cameras.value("dup").name, QStringLiteral("first"));
    }

    void styleIndexesBroughtIntoRange()
    {
        Config bad;
        bad.style.fontColorIndex = -4;
        bad.style.fontSizeIndex = 9;
        bad.style.penColorIndex = 3;
        bad.style.penStyleIndex = 7;
        bad.style.penSizeIndex = 1000;
        writeAll(m_path, signatureBytes() + encode(bad));

        Config config;
        QCOMPARE(ConfigFile::load(m_path, config), ConfigFile::LoadResult::Loaded);
        QCOMPARE(config.style.fontColorIndex, 0);
        QCOMPARE(config.style.fontSizeIndex, 8);
        QCOMPARE(config.style.penColorIndex, 2);
        QCOMPARE(config.style.penStyleIndex, 7);
        QCOMPARE(config.style.penSizeIndex, 6);
        QCOMPARE(config.style.fontSize(), 72);
        QCOMPARE(config.style.penStyle(), Qt::DashLine);
    }

    void timeInUnknownZone_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("next");
        const QDate day(2026, 3, 14);
        // Written elsewhere with a zone this machine does not know: kept as local wall-clock.
        QTest::newRow("unknown zone")
            << "unknown-time-zone.config" << QDateTime(day, QTime(9, 30), Qt::LocalTime)
            << QDateTime(day, QTime(10, 30), Qt::UTC);
        // A kind byte (7) that the toolkit never writes. The file's other time is in a zone
        // that only a machine with the time-zone database knows.
        const QTimeZone berlin("Europe/Berlin");
        const QDateTime start = berlin.isValid() ? QDateTime(day, QTime(9, 30), berlin)
                                                 : QDateTime(day, QTime(9, 30), Qt::LocalTime);
        QTest::newRow("unknown kind")
            << "unknown-time-kind.config" << start << QDateTime(day, QTime(10, 30), Qt::LocalTime);
    }

    void timeInUnknownZone()
    {
        // Such files loaded, and then every close crashed in the date-time writer.
        QFETCH(QString, file);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, next);
        QVERIFY(QFile::copy(testData(file), m_path));
        Config config;
        QCOMPARE(ConfigFile::load(m_path, config), ConfigFile::LoadResult::Loaded);
        QCOMPARE(config.autoRecordStart, start);
        QCOMPARE(config.autoRecordStart.timeSpec(), start.timeSpec());
        QCOMPARE(config.autoRecordNext, next);
        QCOMPARE(config.autoRecordNext.timeSpec(), next.timeSpec());
        // The rest of the file is kept.
        QCOMPARE(config.language, 2);
        QCOMPARE(config.currentCamera, QStringLiteral("usb-0c450223"));
        QCOMPARE(config.bdInfos.size(), 1);
        QCOMPARE(config.autoRecordInterval, 5);

        QVERIFY(ConfigFile::save(m_path, config));
        Config again;
        QCOMPARE(ConfigFile::load(m_path, again), ConfigFile::LoadResult::Loaded);
        QCOMPARE(encode(again), encode(config));
    }

    void unreadableFileIsNeverOverwritten()
    {
        // Root reads any file: the load and the save run in a child without that privilege.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
        const QString path = dir.filePath(QStringLiteral("Measure.config"));
        const QByteArray original = signatureBytes() + encode(richConfig());
        writeAll(path, original);
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner)); // mode 200
        const uid_t nobody = 65534;
        if (::geteuid() == 0)
            QVERIFY(::chown(QFile::encodeName(path).constData(), nobody, nobody) == 0);

        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (::geteuid() == 0 && (::setgid(nobody) != 0 || ::setuid(nobody) != 0))
                ::_exit(10);
            Config config = sentinelConfig();
            const auto result = ConfigFile::load(path, config);
            if (result != ConfigFile::LoadResult::Rejected)
                ::_exit(11);
            if (encode(config) != encode(sentinelConfig()))
                ::_exit(12);
            // With the file set aside, the defaults are written as a new file.
            ::_exit(ConfigFile::save(path, Config()) ? 0 : 13);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);

        QVERIFY(QFile::setPermissions(path + ".bad", QFileDevice::ReadOwner));
        QCOMPARE(readFile(path + ".bad"), original);
        QCOMPARE(readFile(path), signatureBytes() + encode(Config()));
    }

    void saveRefusesUnreadableFile()
    {
        if (::geteuid() == 0)
            QSKIP("root reads any file");
        const QByteArray original = signatureBytes() + encode(richConfig());
        writeAll(m_path, original);
        QVERIFY(QFile::setPermissions(m_path, QFileDevice::WriteOwner));
        QVERIFY(!ConfigFile::save(m_path, Config()));
        QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(readFile(m_path), original);
    }

    void everyDamagedFileIsKept()
    {
        // A second damaged file used to replace the first copy.
        const QByteArray first("first damaged file");
        const QByteArray second("second damaged file");
        const QByteArray third = signatureBytes() + "cut";
        for (const QByteArray &content : {first, second, third}) {
            writeAll(m_path, content);
            Config config;
            QCOMPARE(ConfigFile::load(m_path, config), ConfigFile::LoadResult::Rejected);
        }
        QCOMPARE(setAsideCopies(m_path), QStringList({"Measure.config.bad", "Measure.config.bad.2",
                                                      "Measure.config.bad.3"}));
        QCOMPARE(readFile(m_path + ".bad"), first);
        QCOMPARE(readFile(m_path + ".bad.2"), second);
        QCOMPARE(readFile(m_path + ".bad.3"), third);
    }

    void interruptedSaveIsCleanedUp()
    {
        // A save killed before its rename leaves its temporary file; the next start removes it
        // and nothing else.
        const QString stale = m_path + ".4242.saving";
        const QString userFile = m_path + ".backup";
        writeAll(stale, "half a file");
        writeAll(userFile, "the user's own copy");
        QVERIFY(ConfigFile::save(m_path, richConfig()));
        Config config;
        QCOMPARE(ConfigFile::load(m_path, config), ConfigFile::LoadResult::Loaded);
        QVERIFY(!QFile::exists(stale));
        QCOMPARE(readFile(userFile), QByteArray("the user's own copy"));
        QVERIFY(!QFile::exists(ConfigFile::temporaryPath(m_path)));
        QFile::remove(userFile);
    }
};

QTEST_GUILESS_MAIN(tst_ConfigFile)
#include "tst_configfile.moc"

#include "ByteList.h"
#include "Calibrations.h"
#include "calibration/BDFile.h"
#include "calibration/CalibrationMath.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

Q_DECLARE_METATYPE(BDFileStatus)

namespace {

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

const QVector<BDInfo> three{bd(QStringLiteral("10.00X"), 0.1 + 0.2, 0),
                            bd(QStringLiteral("中文 45.50X"), 100.0 / 240.0, 2),
                            bd(QString(), std::numeric_limits<double>::denorm_min(), 4)};

} // namespace

// The calibration export file and the calibration page's arithmetic.
class tst_BDFile : public QObject
{
    Q_OBJECT

private slots:
    void layout()
    {
        const QByteArray expected = ByteList()
                                        .u32(2)
                                        .str(QStringLiteral("10.00X"))
                                        .f64(0.02)
                                        .i32(0)
                                        .nullStr()
                                        .f64(1.5)
                                        .i32(4)
                                        .bytes();
        const QVector<BDInfo> infos{bd(QStringLiteral("10.00X"), 0.02, 0), bd(QString(), 1.5, 4)};
        COMPARE_BYTES(encodeBDInfos(infos), expected);
    }

    void roundTripFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bdInfo.bd"));
        QCOMPARE(saveBDFile(path, three), BDFileStatus::Ok);
        QVector<BDInfo> back;
        QCOMPARE(loadBDFile(path, back), BDFileStatus::Ok);
        QCOMPARE(back.size(), three.size());
        for (int i = 0; i < three.size(); ++i) {
            QCOMPARE(back.at(i).name, three.at(i).name);
            QVERIFY(sameBits(back.at(i).ratio, three.at(i).ratio));
            QCOMPARE(back.at(i).unit, three.at(i).unit);
        }
    }

    void rejected_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<BDFileStatus>("status");
        const QByteArray good = encodeBDInfos(three);
        const auto one = [](double ratio, int unit) {
            return ByteList().u32(1).str(QStringLiteral("a")).f64(ratio).i32(unit).bytes();
        };
        QTest::newRow("empty") << QByteArray() << BDFileStatus::Empty;
        QTest::newRow("half a count") << QByteArray("\0\0", 2) << BDFileStatus::Truncated;
        QTest::newRow("last byte missing") << good.left(good.size() - 1) << BDFileStatus::Truncated;
        const QByteArray longName =
            ByteList().u32(1).str(QString(40, QLatin1Char('n'))).f64(1).i32(0).bytes();
        QTest::newRow("cut in a name") << longName.left(48) << BDFileStatus::Truncated;
        QTest::newRow("huge count")
            << ByteList().u32(0xFFFFFFF0u).raw(good.mid(4)).bytes() << BDFileStatus::BadCount;
        QTest::newRow("one more than the bytes hold")
            << ByteList().u32(1).raw(QByteArray(15, '\0')).bytes() << BDFileStatus::BadCount;
        QTest::newRow("name longer than the file")
            << ByteList().u32(1).u32(0x7FFFFFF0u).f64(1).i32(0).bytes() << BDFileStatus::Truncated;
        QTest::newRow("odd name length")
            << ByteList().u32(1).u32(3).raw("abc").f64(1).i32(0).bytes() << BDFileStatus::Truncated;
        QTest::newRow("unit 5") << one(1.0, 5) << BDFileStatus::BadRecord;
        QTest::newRow("unit -1") << one(1.0, -1) << BDFileStatus::BadRecord;
        QTest::newRow("ratio 0") << one(0.0, 0) << BDFileStatus::BadRecord;
        QTest::newRow("ratio negative") << one(-0.5, 0) << BDFileStatus::BadRecord;
        QTest::newRow("ratio nan") << one(std::nan(""), 0) << BDFileStatus::BadRecord;
        QTest::newRow("ratio inf")
            << one(std::numeric_limits<double>::infinity(), 0) << BDFileStatus::BadRecord;
        QTest::newRow("too large")
            << QByteArray(int(kMaxBDFileBytes) + 1, '\0') << BDFileStatus::TooLarge;
    }

    // Whatever is wrong with a file, the caller's list stays as it was.
    void rejected()
    {
        QFETCH(QByteArray, data);
        QVector<BDInfo> infos = three;
        QTEST(readBDInfos(data, infos), "status");
        QCOMPARE(infos.size(), three.size());
        QCOMPARE(infos.at(1).name, three.at(1).name);

        QBuffer device(&data);
        device.open(QIODevice::ReadOnly);
        QTEST(readBDInfos(&device, infos), "status");
        QCOMPARE(infos.size(), three.size());
    }

    void accepted()
    {
        QVector<BDInfo> infos = three;
        // An exported empty list is a clean file.
        QCOMPARE(readBDInfos(ByteList().u32(0).bytes(), infos), BDFileStatus::Ok);
        QVERIFY(infos.isEmpty());
        // Bytes after the counted records are not part of the list.
        QByteArray data = encodeBDInfos(three);
        data.append("trailing");
        QCOMPARE(readBDInfos(data, infos), BDFileStatus::Ok);
        QCOMPARE(infos.size(), 3);
    }

    void fileFailures()
    {
        QTemporaryDir dir;
        QVector<BDInfo> infos = three;
        QCOMPARE(loadBDFile(dir.filePath(QStringLiteral("missing.bd")), infos),
                 BDFileStatus::OpenFailed);
        QCOMPARE(infos.size(), 3);
        QCOMPARE(saveBDFile(dir.filePath(QStringLiteral("no/such/folder/x.bd")), three),
                 BDFileStatus::WriteFailed);
        // A folder where the file should be cannot be replaced.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.bd")));
        QCOMPARE(saveBDFile(dir.filePath(QStringLiteral("taken.bd")), three),
                 BDFileStatus::WriteFailed);
    }

    void realLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "5" << 5.0;
        QTest::newRow("decimal") << " 0.25 " << 0.25;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("words") << "abc" << 0.0;
        QTest::newRow("inf") << "inf" << 0.0;
        QTest::newRow("nan") << "nan" << 0.0;
        QTest::newRow("negative stays negative") << "-2" << -2.0;
    }

    void realLength()
    {
        QFETCH(QString, text);
        QTEST(parseRealLength(text), "value");
    }

    void ratio_data()
    {
        QTest::addColumn<double>("real");
        QTest::addColumn<double>("measured");
        QTest::addColumn<double>("ratio");
        QTest::newRow("5 over 250") << 5.0 << 250.0 << 0.02;
        QTest::newRow("100 um over 240 px") << 100.0 << 240.0 << 100.0 / 240.0;
        QTest::newRow("no real length") << 0.0 << 250.0 << 0.0;
        QTest::newRow("no segment") << 5.0 << 0.0 << 0.0;
        QTest::newRow("negative") << -5.0 << 250.0 << 0.0;
        QTest::newRow("overflow") << 1e308 << 1e-308 << 0.0;
        QTest::newRow("underflow") << 1e-308 << 1e308 << 0.0;
    }

    void ratio()
    {
        QFETCH(double, real);
        QFETCH(double, measured);
        QTEST(calibrationRatio(real, measured), "ratio");
    }

    void magnification_data()
    {
        QTest::addColumn<double>("onScreen");
        QTest::addColumn<double>("real");
        QTest::addColumn<QString>("text");
        QTest::newRow("ten times") << 10.0 << 1.0 << "10.00X";
        QTest::newRow("rounded") << 2.0 << 3.0 << "0.67X";
        QTest::newRow("no real length") << 10.0 << 0.0 << "--";
        QTest::newRow("nothing at all") << 0.0 << 0.0 << "--";
        QTest::newRow("negative") << 10.0 << -1.0 << "--";
    }

    void magnification()
    {
        QFETCH(double, onScreen);
        QFETCH(double, real);
        QTEST(magnificationText(onScreen, real), "text");
    }
};

QTEST_GUILESS_MAIN(tst_BDFile)
#include "tst_bdfile.moc"

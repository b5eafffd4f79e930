#include "ByteList.h"
#include "config/Config.h"

#include <QtTest>

namespace {

CameraParam makeParam(int seed)
{
    CameraParam p;
    p.valid = seed % 2 == 1;
    p.value = seed;
    p.defaultValue = -seed;
    p.minValue = -100 * seed;
    p.maxValue = 100 * seed;
    p.step = seed + 1;
    p.flags = 2;
    p.caps = 3;
    return p;
}

void appendParam(ByteList &b, int seed)
{
    b.boolean(seed % 2 == 1).i32(seed).i32(-seed).i32(-100 * seed).i32(100 * seed);
    b.i32(seed + 1).i32(2).i32(3);
}

CameraConfig makeCamera(const QString &name, int seed)
{
    CameraConfig c;
    c.name = name;
    c.paramsRead = true;
    c.resolution = QSize(1920, 1080);
    c.format = QStringLiteral("YUV");
    CameraParam *params[] = {&c.exposure, &c.gain,  &c.brightness, &c.contrast,  &c.saturation,
                             &c.hue,      &c.gamma, &c.sharpness,  &c.spareParam};
    for (int i = 0; i < 9; ++i)
        *params[i] = makeParam(seed + i);
    c.autoWhiteBalance = true;
    c.redGain = 1.5;
    c.greenGain = -2.25;
    c.blueGain = 0.1;
    c.blackWhite = true;
    c.flipHorizontal = false;
    c.flipVertical = true;
    return c;
}

void appendCamera(ByteList &b, const QString &name, int seed)
{
    if (name.isNull())
        b.nullStr();
    else
        b.str(name);
    b.boolean(true).i32(1920).i32(1080).str(QStringLiteral("YUV"));
    for (int i = 0; i < 9; ++i)
        appendParam(b, seed + i);
    b.boolean(true).f64(1.5).f64(-2.25).f64(0.1);
    b.boolean(true).boolean(false).boolean(true);
}

const QDateTime kStart(QDate(2024, 5, 6), QTime(7, 8, 9, 10), Qt::UTC);

// 2024-05-06 is Julian day 2460437; 07:08:09.010 is 25689010 ms after midnight; 1 = UTC.
void appendStart(ByteList &b)
{
    b.u64(2460437).u32(25689010).u8(1);
}

// A null QDateTime: null date (minimum qint64), null time (0xFFFFFFFF), local time.
void appendNullDateTime(ByteList &b)
{
    b.u64(0x8000000000000000ull).u32(0xFFFFFFFFu).u8(0);
}

Config makeConfig()
{
    Config c;
    c.polygonAreaMode = 0;
    c.showTime = false;
    c.language = 5;
    c.spareRect = QRect(QPoint(1, 2), QPoint(30, 40));
    c.currentCamera = QStringLiteral("usb-0c450223");
    c.cameras.insert(QStringLiteral("a"), makeCamera(QStringLiteral("first"), 1));
    c.cameras.insert(QStringLiteral("b"), makeCamera(QString(), 20));
    BDInfo bd;
    bd.name = QStringLiteral("10.00X");
    bd.ratio = 0.0123;
    bd.unit = 0;
    c.bdInfos.append(bd);
    bd.name = QStringLiteral("显微");
    bd.ratio = 2.5;
    bd.unit = -1;
    c.bdInfos.append(bd);
    c.style.fontColorIndex = 2;
    c.style.fontSizeIndex = 8;
    c.style.penColorIndex = 1;
    c.style.penStyleIndex = 1;
    c.style.penSizeIndex = 6;
    c.imageDir = QStringLiteral("/data/图片");
    c.movieDir = QStringLiteral("/data/movie");
    c.imageSubDir = QStringLiteral("Photo/2024");
    c.movieSubDir = QString();
    c.imageFiles = QStringList{QStringLiteral("/data/a.png"), QStringLiteral("/data/b.jpg")};
    c.movieFiles = QStringList{};
    c.imageFormat = 2;
    c.movieFormat = 0;
    c.autoRecordOn = true;
    c.autoRecordType = 1;
    c.autoRecordStart = kStart;
    c.autoRecordNext = QDateTime();
    c.autoRecordInterval = 7;
    c.autoRecordLength = 11;
    c.autoRecordTotal = 13;
    c.autoRecordCount = 3;
    return c;
}

QByteArray expectedConfigBytes()
{
    ByteList b;
    b.str(QStringLiteral("usb-0c450223")).boolean(false).i32(5);
    b.i32(1).i32(2).i32(30).i32(40);
    b.str(QStringLiteral("/data/图片")).str(QStringLiteral("/data/movie"));
    b.str(QStringLiteral("Photo/2024")).nullStr();
    b.u32(2).str(QStringLiteral("/data/a.png")).str(QStringLiteral("/data/b.jpg"));
    b.u32(0);
    b.i32(2).i32(0);
    // The map is written from the last key to the first.
    b.u32(2);
    b.str(QStringLiteral("b"));
    appendCamera(b, QString(), 20);
    b.str(QStringLiteral("a"));
    appendCamera(b, QStringLiteral("first"), 1);
    b.u32(2);
    b.str(QStringLiteral("10.00X")).f64(0.0123).i32(0);
    b.str(QStringLiteral("显微")).f64(2.5).i32(-1);
    b.i32(2).i32(8).i32(1).i32(1).i32(6);
    b.boolean(true).i32(1);
    appendStart(b);
    appendNullDateTime(b);
    b.i32(7).i32(11).i32(13).i32(3);
    return b.bytes();
}

} // namespace

class tst_ConfigRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void cameraConfigBytes()
    {
        ByteList expected;
        appendCamera(expected, QStringLiteral("cam"), 3);
        // 306 fixed bytes plus the characters of "cam" and "YUV".
        QCOMPARE(expected.size(), 306 + 6 + 6);
        COMPARE_BYTES(encode(makeCamera(QStringLiteral("cam"), 3)), expected.bytes());

        bool atEnd = false;
        const CameraConfig back = decode<CameraConfig>(expected.bytes(), &atEnd);
        QVERIFY(atEnd);
        QCOMPARE(back.flipVertical, true);
        QCOMPARE(back.blueGain, 0.1);
        COMPARE_BYTES(encode(back), expected.bytes());
    }

    void configBytes() { COMPARE_BYTES(encode(makeConfig()), expectedConfigBytes()); }

    void configRoundTrip()
    {
        const QByteArray bytes = encode(makeConfig());
        bool atEnd = false;
        const Config back = decode<Config>(bytes, &atEnd);
        QVERIFY(atEnd);
        QCOMPARE(encode(back), bytes);
        // Not part of the file: always the constructor's value.
        QCOMPARE(back.polygonAreaMode, 2);
        QCOMPARE(back.cameras.keys(), (QStringList{"a", "b"}));
        QCOMPARE(back.cameras.value("a").name, QStringLiteral("first"));
        QCOMPARE(back.bdInfos.at(1).name, QStringLiteral("显微"));
        QCOMPARE(back.autoRecordStart, kStart);
        QVERIFY(back.autoRecordNext.isNull());
    }

    void defaultConfigBytes()
    {
        const Config c;
        const QString data = QStandardPaths::writableLocation(QStandardPaths::DataLocation);
        QCOMPARE(c.imageDir, data + "/save/image");
        QCOMPARE(c.movieDir, data + "/save/movie");

        ByteList b;
        b.nullStr().boolean(true).i32(1);
        b.i32(0).i32(0).i32(-1).i32(-1); // null rectangle
        b.str(data + "/save/image").str(data + "/save/movie");
        b.str(QStringLiteral("Photo")).str(QStringLiteral("Video"));
        b.u32(0).u32(0); // history lists
        b.i32(1).i32(0); // formats
        b.u32(0);        // an empty camera map is a single zero count
        b.u32(0);        // calibrations
        b.i32(0).i32(5).i32(0).i32(0).i32(0);
        b.boolean(false).i32(0);
        appendNullDateTime(b);
        appendNullDateTime(b);
        b.i32(1).i32(10).i32(10).i32(0);
        COMPARE_BYTES(encode(c), b.bytes());
    }

    void signature()
    {
        QCOMPARE(magicFileList(), (QVector<int>{48, 24, 360, 200, 123}));
        ByteList b;
        b.u32(5).i32(48).i32(24).i32(360).i32(200).i32(123);
        COMPARE_BYTES(encode(magicFileList()), b.bytes());
    }

    void cameraInfo()
    {
        Config c;
        const CameraConfig unknown = c.cameraInfo(QStringLiteral("nope"));
        QCOMPARE(unknown.resolution, QSize(640, 480));
        QCOMPARE(unknown.format, QStringLiteral("MJPG"));
        QVERIFY(c.cameras.isEmpty());

        c.setCameraInfo(QStringLiteral("x"), makeCamera(QStringLiteral("x"), 2));
        QCOMPARE(c.cameraInfo(QStringLiteral("x")).name, QStringLiteral("x"));
        CameraConfig copy = c.cameraInfo(QStringLiteral("x"));
        copy.name = QStringLiteral("changed");
        QCOMPARE(c.cameraInfo(QStringLiteral("x")).name, QStringLiteral("x"));
    }

    void setCurrentCamera()
    {
        Config c;
        c.setCurrentCamera(QStringLiteral("cam1"));
        QCOMPARE(c.currentCamera, QStringLiteral("cam1"));
        QCOMPARE(c.cameras.size(), 1);
        QCOMPARE(c.cameras.value("cam1").format, QStringLiteral("MJPG"));

        // An existing entry is kept as it is.
        c.setCameraInfo(QStringLiteral("cam2"), makeCamera(QStringLiteral("keep"), 1));
        c.setCurrentCamera(QStringLiteral("cam2"));
        QCOMPARE(c.cameras.size(), 2);
        QCOMPARE(c.cameras.value("cam2").name, QStringLiteral("keep"));
    }

    void resetCameraInfo()
    {
        Config c;
        CameraConfig before = makeCamera(QStringLiteral("cam"), 5);
        before.flipHorizontal = true;
        c.setCameraInfo(QStringLiteral("cam"), before);
        c.resetCameraInfo(QStringLiteral("cam"));
        const CameraConfig after = c.cameraInfo(QStringLiteral("cam"));

        const CameraParam CameraConfig::*params[] = {
            &CameraConfig::exposure, &CameraConfig::gain,       &CameraConfig::brightness,
            &CameraConfig::contrast, &CameraConfig::saturation, &CameraConfig::hue,
            &CameraConfig::gamma,    &CameraConfig::sharpness,  &CameraConfig::spareParam};
        for (auto member : params) {
            QCOMPARE((after.*member).value, (before.*member).defaultValue);
            QCOMPARE((after.*member).flags, (before.*member).flags);
            QCOMPARE((after.*member).minValue, (before.*member).minValue);
        }
        QVERIFY(!after.blackWhite);
        QVERIFY(!after.flipHorizontal);
        QVERIFY(!after.flipVertical);
        QCOMPARE(after.autoWhiteBalance, true);
        QCOMPARE(after.redGain, 1.5);
        QCOMPARE(after.greenGain, -2.25);
        QCOMPARE(after.blueGain, 0.1);
        QCOMPARE(after.paramsRead, true);
        QCOMPARE(after.resolution, QSize(1920, 1080));
        QCOMPARE(after.format, QStringLiteral("YUV"));

        // An unknown camera gets a default entry first.
        c.resetCameraInfo(QStringLiteral("new"));
        QVERIFY(c.cameras.contains(QStringLiteral("new")));
    }
};

QTEST_GUILESS_MAIN(tst_ConfigRecords)
#include "tst_configrecords.moc"

#include "FakeSysfs.h"

#include "app/DeviceProfile.h"
#include "capture/CvCaptureCAM_DShow.h"
#include "capture/FrameEvent.h"
#include "virtualscope/ScopePicture.h"
#include "virtualscope/VirtualScope.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>
#include <QtPlugin>
#include <QtTest>

#include <cmath>

Q_IMPORT_PLUGIN(VirtualScopePlugin)

namespace {
const QString kKestrel = QStringLiteral("virtual:0c450223");
const QString kHeron = QStringLiteral("virtual:0ac80225");
const QString kWebcam = QStringLiteral("virtual:beef0001");
using Resolutions = QVector<QPair<int, int>>;
// Generous: frames are slow under sanitizers and on a loaded machine.
constexpr int kWait = 15000;
} // namespace

class tst_CvCaptureCam : public QObject
{
    Q_OBJECT

public:
    CvCaptureCAM_DShow *cam = nullptr;
    VirtualScope *scope = nullptr;

    /// One pixel of the camera's buffer, made opaque. The grabber holds the buffer while it
    /// writes a frame, so the read is retried until it gets the buffer; only a camera without
    /// a buffer (or one held for longer than kWait) gives kNoPixel, which no opaque pixel
    /// equals.
    static constexpr QRgb kNoPixel = 0;
    QRgb pixel(const QString &id, int x, int y)
    {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            if (const uchar *bits = cam->getBuffer(id)) {
                const QSize size = cam->getBufferSize(id);
                const QRgb value =
                    reinterpret_cast<const QRgb *>(bits)[y * size.width() + x] | 0xff000000;
                cam->releaseBuffer(id);
                return value;
            }
            if (cam->getBufferSize(id).isEmpty() || waited.elapsed() > kWait)
                return kNoPixel;
            QThread::yieldCurrentThread();
        }
    }

    /// The listed cameras the virtual microscope provides (a real camera on the test machine
    /// may be listed too).
    QVector<CameraInfo> listed() const
    {
        QVector<CameraInfo> result;
        for (const CameraInfo &info : cam->cameraInfo()) {
            if (scope->isPresent(info.id.toLatin1()))
                result.append(info);
        }
        return result;
    }

    bool waitFrames(const QString &id, int count = 2)
    {
        QSignalSpy spy(cam, &CvCaptureCAM_DShow::sigFrameReady);
        for (;;) {
            for (const QList<QVariant> &args : qAsConst(spy)) {
                if (args.at(0).toString() == id && --count <= 0)
                    return true;
            }
            spy.clear();
            if (!spy.wait(kWait))
                return false;
        }
    }

private slots:
    void initTestCase()
    {
        if (g_supportDevice.isEmpty())
            initSetting();
        cam = CvCaptureCAM_DShow::instance();
        scope = VirtualScope::instance();
    }

    void init() { scope->reset(); }

    void cleanup()
    {
        for (const QString &id : {kKestrel, kHeron, kWebcam, QStringLiteral("virtual2:0c450223")})
            cam->close(id);
    }

    void listing()
    {
        cam->init();
        const QVector<CameraInfo> list = listed();
        QCOMPARE(list.size(), 2); // the webcam matches no profile
        QCOMPARE(list.at(0).id, kKestrel);
        QCOMPARE(list.at(0).name, QStringLiteral("Digital Microscope"));
        QCOMPARE(list.at(0).defaultResolutionIndex, 1);
        QCOMPARE(
            list.at(0).resolutions,
            (Resolutions{{1280, 1024}, {1920, 1080}, {2048, 1536}, {2320, 1744}, {2592, 1944}}));
        QCOMPARE(list.at(1).id, kHeron);
        QCOMPARE(list.at(1).defaultResolutionIndex, 2);
        QCOMPARE(list.at(1).resolutions.size(), 7);
        QCOMPARE(list.at(1).resolutions.first(), qMakePair(640, 480));
        QCOMPARE(list.at(1).resolutions.last(), qMakePair(3264, 2448));
    }

    void listingSpecialDevices()
    {
        // A known model offering none of its profile's sizes, a second camera of a listed
        // model, and a Linux device node matched through sysfs.
        QTemporaryDir dir;
        FakeSysfs sysfs(dir.path());
        QVERIFY(sysfs.addVideoNode("video97", "0c45", "62c1"));
        scope->addDevice({"virtual:0c450224", "none usable", {{640, 480}, {800, 600}}});
        scope->addDevice({"virtual2:0c450223", "twin", {{1280, 1024}}});
        scope->addDevice({"/dev/video97", "node", {{1920, 1080}, {640, 480}}});
        cam->setSysfsRoot(dir.path());
        cam->init();
        cam->setSysfsRoot(QStringLiteral("/sys"));

        QStringList ids;
        for (const CameraInfo &info : listed())
            ids << info.id;
        QCOMPARE(ids, (QStringList{kKestrel, kHeron, "virtual2:0c450223", "/dev/video97"}));
        QCOMPARE(listed().last().resolutions, (Resolutions{{640, 480}, {1920, 1080}}));

        // Two cameras of one model run at the same time.
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        QVERIFY(cam->open("virtual2:0c450223", 1280, 1024, "YUV"));
        QVERIFY(waitFrames(kKestrel));
        QVERIFY(waitFrames("virtual2:0c450223"));
    }

    void listingWithAsynchronousLoading()
    {
        // Backends that finish loading later still get their sizes read.
        scope->setAsyncLoad(true);
        cam->init();
        QCOMPARE(listed().size(), 2);
        QCOMPARE(listed().at(0).resolutions.size(), 5);
        QVERIFY(cam->open(kKestrel, 2048, 1536, "MJPG"));
        QCOMPARE(scope->streamFormat(kKestrel.toLatin1()), QVideoFrame::Format_Jpeg);
        QVERIFY(waitFrames(kKestrel));
    }

    void listingWhileACameraLoads()
    {
        // The periodic listing can run while open() waits for a slow camera to load: that
        // camera is not to be taken for gone and dropped.
        cam->init();
        scope->setAsyncLoad(true);
        QTimer::singleShot(0, cam, [this] { cam->init(); });
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        QVERIFY(cam->isOpen(kKestrel));
        QCOMPARE(listed().size(), 2);
        QVERIFY(waitFrames(kKestrel));
    }

    void removedDeviceGetsNoMoreFrames()
    {
        // The camera keeps streaming after its device state is gone (init() dropped it, the
        // window has not closed it yet): its grabber must not touch the freed buffer.
        const QByteArray dev = kHeron.toLatin1();
        QVERIFY(cam->open(kHeron, 640, 480, "YUV"));
        QVERIFY(waitFrames(kHeron));
        cam->removeDevice(kHeron);
        QSignalSpy spy(cam, &CvCaptureCAM_DShow::sigFrameReady);
        const int presented = scope->presentedFrames(dev);
        QTRY_VERIFY(scope->presentedFrames(dev) > presented + 3);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 0);
        QVERIFY(!cam->getBuffer(kHeron));
        cam->close(kHeron); // releases the camera left behind
        QCOMPARE(scope->streamFormat(dev), QVideoFrame::Format_Invalid);
    }

    void framesArriveOnGuiThread()
    {
        QThread *signalThread = nullptr;
        auto c = connect(cam, &CvCaptureCAM_DShow::sigFrameReady, this,
                         [&](const QString &, bool needCapture) {
                             QVERIFY(!needCapture);
                             signalThread = QThread::currentThread();
                         });
        QVERIFY(cam->open(kHeron, 1280, 720, "MJPG"));
        QVERIFY(waitFrames(kHeron, 3));
        disconnect(c);
        QCOMPARE(signalThread, QCoreApplication::instance()->thread());
        QCOMPARE(cam->getBufferSize(kHeron), QSize(1280, 720));
        QCOMPARE(cam->getProperty(kHeron, 3), 1280);
        QCOMPARE(cam->getProperty(kHeron, 4), 720);
        QCOMPARE(cam->getProperty(kHeron, 6), 1);
        QCOMPARE(scope->streamFormat(kHeron.toLatin1()), QVideoFrame::Format_Jpeg);

        cam->close(kHeron);
        QVERIFY(!cam->isOpen(kHeron));
        QVERIFY(!cam->getBuffer(kHeron));
        QCOMPARE(scope->streamFormat(kHeron.toLatin1()), QVideoFrame::Format_Invalid);
    }

    void resolutionChangeRestartsOnce()
    {
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        const QByteArray dev = kKestrel.toLatin1();
        const int starts = scope->startCount(dev);
        cam->setResver(kKestrel, true, false);

        QVERIFY(cam->setProperty(kKestrel, 3, 1920));
        QCOMPARE(scope->startCount(dev), starts);
        QCOMPARE(cam->getProperty(kKestrel, 3), 1280);
        QVERIFY(cam->setProperty(kKestrel, 4, 1080));
        QCOMPARE(scope->startCount(dev), starts + 1);
        QCOMPARE(cam->getProperty(kKestrel, 3), 1920);
        QCOMPARE(cam->getProperty(kKestrel, 4), 1080);
        QCOMPARE(cam->getBufferSize(kKestrel), QSize(1920, 1080));
        QCOMPARE(scope->streamSize(dev), QSize(1920, 1080));
        QVERIFY(waitFrames(kKestrel));

        // The same size again is no restart; the flips survived the restart.
        QVERIFY(cam->setProperty(kKestrel, 3, 1920));
        QVERIFY(cam->setProperty(kKestrel, 4, 1080));
        QCOMPARE(scope->startCount(dev), starts + 1);
        bool h = false, v = true;
        cam->resverFlag(kKestrel, h, v);
        QVERIFY(h && !v);
    }

    void firstFrameAfterRestartIsAFrame()
    {
        // A frame stored just before a resolution change is announced after it, when the
        // buffer has been reallocated: that notice must not show the unwritten new buffer.
        const QByteArray dev = kKestrel.toLatin1();
        scope->showSolid(QColor(200, 30, 40));
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        QVERIFY(waitFrames(kKestrel));
        // Let a frame be stored and its notice posted, without delivering it.
        const int presented = scope->presentedFrames(dev);
        QElapsedTimer waited;
        waited.start();
        while (scope->presentedFrames(dev) <= presented && waited.elapsed() < kWait)
            QThread::yieldCurrentThread();
        QVERIFY(cam->setProperty(kKestrel, 3, 1920));
        QVERIFY(cam->setProperty(kKestrel, 4, 1080));
        QRgb first = kNoPixel;
        auto c = connect(cam, &CvCaptureCAM_DShow::sigFrameReady, this, [&](const QString &id) {
            if (id == kKestrel && first == kNoPixel)
                first = pixel(kKestrel, 0, 0);
        });
        QTRY_VERIFY_WITH_TIMEOUT(first != kNoPixel, kWait);
        disconnect(c);
        QCOMPARE(first, qRgb(200, 30, 40)); // not the black of a fresh buffer
    }

    void failedRestartKeepsRequest()
    {
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        scope->setFailOpen(kKestrel.toLatin1(), true);
        QVERIFY(cam->setProperty(kKestrel, 3, 1920));
        QVERIFY(!cam->setProperty(kKestrel, 4, 1080));
        QVERIFY(cam->isOpen(kKestrel));

        // The request stays pending: the next attempt, once the camera cooperates, applies it.
        scope->setFailOpen(kKestrel.toLatin1(), false);
        QVERIFY(cam->setProperty(kKestrel, 4, 1080));
        QCOMPARE(scope->streamSize(kKestrel.toLatin1()), QSize(1920, 1080));
        QVERIFY(waitFrames(kKestrel));
    }

    void formatSwitch()
    {
        const QByteArray dev = kKestrel.toLatin1();
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        QCOMPARE(scope->streamFormat(dev), QVideoFrame::Format_RGB32);
        QVERIFY(cam->setFormat(kKestrel, "MJPG"));
        QCOMPARE(scope->streamFormat(dev), QVideoFrame::Format_Jpeg);
        QCOMPARE(cam->getProperty(kKestrel, 6), 1);
        QVERIFY(waitFrames(kKestrel));
        QVERIFY(cam->setFormat(kKestrel, "YUV"));
        QCOMPARE(scope->streamFormat(dev), QVideoFrame::Format_RGB32);
        QCOMPARE(cam->getProperty(kKestrel, 6), 0);
        QVERIFY(waitFrames(kKestrel));

        // A camera without MJPG streams uncompressed when MJPG is asked for.
        scope->addDevice(
            {"virtual:0c450224", "raw only", {{1280, 1024}}, {QVideoFrame::Format_RGB32}});
        QVERIFY(cam->open("virtual:0c450224", 1280, 1024, "MJPG"));
        QCOMPARE(scope->streamFormat("virtual:0c450224"), QVideoFrame::Format_RGB32);
        QVERIFY(waitFrames("virtual:0c450224"));
        cam->close("virtual:0c450224");
    }

    void softwareAdjustments_data()
    {
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("gamma");
        QTest::addColumn<int>("expected"); // for a grey of 100

        QTest::newRow("neutral") << 50 << 50 << 100;
        QTest::newRow("brightness 100") << 100 << 50 << 150;
        QTest::newRow("brightness 0") << 0 << 50 << 50;
        const auto gammaOf = [](int g) {
            const float e = g / 100.0f + 0.5f;
            return int(double(std::pow(float(100 / 255.0), e)) * 255.0);
        };
        QTest::newRow("gamma 0") << 50 << 0 << gammaOf(0);
        QTest::newRow("gamma 100") << 50 << 100 << gammaOf(100);
    }

    void softwareAdjustments()
    {
        QFETCH(int, brightness);
        QFETCH(int, gamma);
        QFETCH(int, expected);
        scope->showSolid(QColor(100, 100, 100));
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        QVERIFY(cam->setProperty(kKestrel, 10, brightness));
        QVERIFY(cam->setProperty(kKestrel, 22, gamma));
        QTRY_COMPARE_WITH_TIMEOUT(pixel(kKestrel, 640, 512), qRgb(expected, expected, expected),
                                  kWait);
        QCOMPARE(cam->getParam(kKestrel, 10).value, brightness);
        QCOMPARE(cam->getParam(kKestrel, 22).value, gamma);
    }

    void adjustmentsSurviveRestart()
    {
        scope->showSolid(QColor(100, 100, 100));
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        QVERIFY(cam->setProperty(kKestrel, 10, 70));
        QVERIFY(cam->setProperty(kKestrel, 11, 80));
        QVERIFY(cam->setFormat(kKestrel, "MJPG"));
        QCOMPARE(cam->getParam(kKestrel, 10).value, 70);
        QCOMPARE(cam->getParam(kKestrel, 11).value, 80);
    }

    void platformAdjustmentsReachFrames()
    {
        scope->showSolid(QColor(100, 150, 200));
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        QTRY_COMPARE_WITH_TIMEOUT(pixel(kKestrel, 5, 5), qRgb(100, 150, 200), kWait);
        QVERIFY(cam->setProperty(kKestrel, 11, 100)); // contrast doubled around 128
        QTRY_COMPARE_WITH_TIMEOUT(pixel(kKestrel, 5, 5), qRgb(72, 172, 255), kWait);
        QVERIFY(cam->setProperty(kKestrel, 11, 50));
        QVERIFY(cam->setProperty(kKestrel, 12, 0)); // no colour left
        QTRY_VERIFY_WITH_TIMEOUT(qRed(pixel(kKestrel, 5, 5)) == qBlue(pixel(kKestrel, 5, 5)),
                                 kWait);
    }

    void flips_data()
    {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<QRgb>("topLeft");

        QTest::newRow("none") << false << false << qRgb(255, 0, 0);
        QTest::newRow("horizontal") << true << false << qRgb(0, 255, 0);
        QTest::newRow("vertical") << false << true << qRgb(0, 0, 255);
        QTest::newRow("both") << true << true << qRgb(255, 255, 255);
    }

    void flips()
    {
        QFETCH(bool, horizontal);
        QFETCH(bool, vertical);
        QFETCH(QRgb, topLeft);
        QImage quadrants(1280, 1024, QImage::Format_RGB32);
        QPainter p(&quadrants);
        p.fillRect(0, 0, 640, 512, Qt::red);
        p.fillRect(640, 0, 640, 512, Qt::green);
        p.fillRect(0, 512, 640, 512, Qt::blue);
        p.fillRect(640, 512, 640, 512, Qt::white);
        p.end();
        scope->showImage(quadrants);
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        cam->setResver(kKestrel, horizontal, vertical);
        QTRY_COMPARE_WITH_TIMEOUT(pixel(kKestrel, 10, 10), topLeft, kWait);
    }

    void platformLevels_data()
    {
        QTest::addColumn<int>("prop");
        QTest::addColumn<int>("value");
        for (int prop : {11, 12, 20}) {
            for (int value = 0; value <= 100; value += 3)
                QTest::addRow("%d=%d", prop, value) << prop << value;
        }
    }

    void platformLevels()
    {
        QFETCH(int, prop);
        QFETCH(int, value);
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        QVERIFY(cam->setProperty(kKestrel, prop, value));
        const CameraParam param = cam->getParam(kKestrel, prop);
        QVERIFY(param.valid);
        QCOMPARE(param.value, value);
        QCOMPARE(param.minValue, 0);
        QCOMPARE(param.maxValue, 100);
        QCOMPARE(param.defaultValue, 50);
    }

    void propertyTable_data()
    {
        QTest::addColumn<int>("prop");
        QTest::addColumn<bool>("settable");
        QTest::addColumn<bool>("supported");
        QTest::addColumn<int>("property"); // getProperty on the open 1280x1024 MJPG camera

        QTest::newRow("3 width") << 3 << true << false << 1280;
        QTest::newRow("4 height") << 4 << true << false << 1024;
        QTest::newRow("5 frame rate") << 5 << false << false << -1;
        QTest::newRow("6 format") << 6 << true << false << 1;
        QTest::newRow("10 brightness") << 10 << true << true << -1;
        QTest::newRow("11 contrast") << 11 << true << true << -1;
        QTest::newRow("12 saturation") << 12 << true << true << -1;
        for (int prop : {13, 14, 15, 16, 17, 18, 19, 23, 27, 28, 32, 33, 36, 37, 38, 41, 1000})
            QTest::addRow("%d unsupported", prop) << prop << false << false << -1;
        QTest::newRow("20 sharpness") << 20 << true << true << -1;
        QTest::newRow("21 auto exposure") << 21 << false << true << -1;
        QTest::newRow("22 gamma") << 22 << true << true << -1;
    }

    void propertyTable()
    {
        QFETCH(int, prop);
        QFETCH(bool, settable);
        QFETCH(bool, supported);
        QFETCH(int, property);
        QVERIFY(cam->open(kKestrel, 1280, 1024, "MJPG"));
        QCOMPARE(cam->getProperty(kKestrel, prop), property);
        QCOMPARE(cam->isSupport(kKestrel, prop), supported);
        const int value = prop == 3 ? 1280 : prop == 4 ? 1024 : prop == 6 ? 1 : 50;
        QCOMPARE(cam->setProperty(kKestrel, prop, value), settable);
        if (!supported)
            QCOMPARE(cam->getParam(kKestrel, prop).value, 0);
    }

    void autoExposure()
    {
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        const CameraParam param = cam->getParam(kKestrel, 21);
        QVERIFY(param.valid);
        QCOMPARE(param.caps, 3);  // automatic and manual
        QCOMPARE(param.flags, 1); // automatic
        QCOMPARE(param.value, 0);
    }

    void notOpen()
    {
        QCOMPARE(cam->getProperty(kKestrel, 3), 0);
        QCOMPARE(cam->getProperty(kKestrel, 15), -1);
        QVERIFY(!cam->getParam(kKestrel, 10).valid);
        QVERIFY(!cam->setProperty(kKestrel, 3, 640));
        QVERIFY(!cam->getBuffer(kKestrel));
        QCOMPARE(cam->getBufferSize(kKestrel), QSize(-1, -1));
        cam->close(kKestrel);
        // Frame events of cameras that are not open are swallowed.
        QSignalSpy spy(cam, &CvCaptureCAM_DShow::sigFrameReady);
        QCoreApplication::postEvent(cam, new FrameEvent(kKestrel));
        QCoreApplication::sendPostedEvents(cam);
        QCOMPARE(spy.count(), 0);
    }

    void failedOpen()
    {
        scope->setFailOpen(kHeron.toLatin1(), true);
        QVERIFY(!cam->open(kHeron, 640, 480, "YUV"));
        QVERIFY(!cam->isOpen(kHeron));
        QVERIFY(!cam->getBuffer(kHeron));
        scope->setFailOpen(kHeron.toLatin1(), false);
        QVERIFY(cam->open(kHeron, 640, 480, "YUV"));
        QVERIFY(waitFrames(kHeron));
    }

    void unplugAndReplug()
    {
        QVERIFY(cam->open(kHeron, 640, 480, "YUV"));
        QVERIFY(waitFrames(kHeron));
        scope->unplug(kHeron.toLatin1());
        cam->init();
        QCOMPARE(listed().size(), 1);
        QVERIFY(!cam->isOpen(kHeron));
        QVERIFY(!cam->getBuffer(kHeron));
        cam->close(kHeron);

        scope->plug(kHeron.toLatin1());
        cam->init();
        QCOMPARE(listed().size(), 2);
        QVERIFY(cam->open(kHeron, 640, 480, "YUV"));
        QVERIFY(waitFrames(kHeron));
    }

    void removalWhileThisThreadHoldsTheBuffer()
    {
        scope->showSolid(QColor(10, 20, 30));
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        QTRY_COMPARE_WITH_TIMEOUT(pixel(kKestrel, 0, 0), qRgb(10, 20, 30), kWait);
        uchar *bits = nullptr;
        QTRY_VERIFY(bits || (bits = cam->getBuffer(kKestrel))); // try-lock: may meet a frame
        // The camera disappears while the GUI reads its picture: init() removes the device
        // without waiting for a lock this very thread holds, and the pixels stay readable.
        scope->unplug(kKestrel.toLatin1());
        cam->init();
        QVERIFY(!cam->isOpen(kKestrel));
        QCOMPARE(reinterpret_cast<const QRgb *>(bits)[0] | 0xff000000, qRgb(10, 20, 30));
        cam->releaseBuffer(kKestrel);

        // The same through removeDevice() directly.
        scope->plug(kKestrel.toLatin1());
        cam->close(kKestrel);
        QVERIFY(cam->open(kKestrel, 1280, 1024, "YUV"));
        QVERIFY(waitFrames(kKestrel));
        bits = nullptr;
        QTRY_VERIFY(bits || (bits = cam->getBuffer(kKestrel)));
        cam->removeDevice(kKestrel);
        QCOMPARE(reinterpret_cast<const QRgb *>(bits)[0] | 0xff000000, qRgb(10, 20, 30));
        cam->releaseBuffer(kKestrel);
        QVERIFY(!cam->getBuffer(kKestrel));
    }

    void micrometerScale()
    {
        // The stated scale: 800 µm across the frame, so at 1920x1080 the ruler's 51 ticks
        // (10 µm apart) stand every 24 px from x = 360 to x = 1560, based at y = 864.
        const QImage picture = ScopePicture::renderSpecimen(QSize(1920, 1080), 0);
        const int y = 864 - 6;
        QVector<double> ticks;
        int runStart = -1;
        for (int x = 300; x < 1620; ++x) {
            const QRgb c = picture.pixel(x, y);
            const bool dark = qRed(c) + qGreen(c) + qBlue(c) < 300;
            if (dark && runStart < 0)
                runStart = x;
            if (!dark && runStart >= 0) {
                ticks.append((runStart + x - 1) / 2.0);
                runStart = -1;
            }
        }
        QCOMPARE(ticks.size(), 51);
        for (int i = 0; i < ticks.size(); ++i)
            QVERIFY2(std::abs(ticks.at(i) - (360 + 24 * i)) <= 1.0, qPrintable(QString::number(i)));
    }
};

int main(int argc, char **argv)
{
    // One route to the virtual microscope: the static plugin this test controls, never a
    // shared copy found on the plugin path.
    qunsetenv("QT_PLUGIN_PATH");
    QGuiApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    tst_CvCaptureCam test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cvcapturecam.moc"

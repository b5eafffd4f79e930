#include "capture/CameraBuffer.h"
#include "media/RecordPolicy.h"
#include "media/RtmpThread.h"
#include "media/VideoEncoder.h"

#include "VideoProbe.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>

namespace {

// A picture whose colour tells which frame it is.
QImage numbered(int w, int h, int n)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((n * 37) % 360, 200, 220));
    return image;
}

/// The scene's five recording buffers, stand-ins filled with plain pictures.
struct BufferPool
{
    CameraBuffer buffers[5];
    BufferPool(int w, int h)
    {
        for (CameraBuffer &b : buffers)
            b.init(w, h);
    }
    /// A claimed buffer holding `picture`; waits for the recorder to release one.
    CameraBuffer *claim(const QImage &picture)
    {
        for (;;) {
            for (CameraBuffer &b : buffers) {
                if (uchar *bits = b.getBuffer()) {
                    memcpy(bits, picture.constBits(), size_t(b.byteCount()));
                    return &b;
                }
            }
            QThread::msleep(2);
        }
    }
    bool allReleased() const
    {
        for (const CameraBuffer &b : buffers) {
            if (b.isLocked())
                return false;
        }
        return true;
    }
};

/// Records `count` frames of w x h, one per frame slot of `fps`, and waits for the file.
void record(RtmpThread &thread, BufferPool &pool, int count, int w, int h, int fps)
{
    thread.setSize(w, h);
    thread.setFrameRate(fps);
    thread.startRecord();
    for (int i = 0; i < count; ++i)
        thread.writeVideo(i * 1000 / fps, pool.claim(numbered(w, h, i)));
    thread.waitFinish(30000);
}

// Child mode: records 320 x 240 at 15 fps in real time until killed, printing the number of
// frames handed over after each one.
int recordUntilKilled(const QString &path)
{
    RtmpThread thread;
    BufferPool pool(320, 240);
    thread.setOutputPath(path);
    thread.setSize(320, 240);
    thread.setFrameRate(15);
    thread.startRecord();
    QElapsedTimer clock;
    clock.start();
    qint64 lastSlot = -1;
    for (int n = 0;;) {
        const qint64 now = clock.elapsed();
        if (!isRecordFrameDue(now, lastSlot, 15)) {
            QThread::msleep(2);
            continue;
        }
        lastSlot = recordFrameSlot(now, 15);
        if (thread.writeVideo(int(now), pool.claim(numbered(320, 240, n))))
            ++n;
        std::fprintf(stderr, "handed %d\n", n);
        std::fflush(stderr);
    }
}

} // namespace

class tst_RtmpThread : public QObject
{
    Q_OBJECT

private slots:
    void frameRateByPixelCount_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("fps");
        QTest::newRow("3264x2448") << QSize(3264, 2448) << 10;
        QTest::newRow("2592x1944") << QSize(2592, 1944) << 10;
        QTest::newRow("2048x1536") << QSize(2048, 1536) << 10;
        QTest::newRow("1920x1200") << QSize(1920, 1200) << 15;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 15;
        QTest::newRow("1280x1024") << QSize(1280, 1024) << 20;
        QTest::newRow("1000x1000") << QSize(1000, 1000) << 20;
        QTest::newRow("1280x720") << QSize(1280, 720) << 30;
        QTest::newRow("640x480") << QSize(640, 480) << 30;
    }
    void frameRateByPixelCount()
    {
        QFETCH(QSize, size);
        QFETCH(int, fps);
        QCOMPARE(recordFrameRate(size.width(), size.height()), fps);
    }

    void pacingKeepsTheRateWithATenMillisecondTick_data()
    {
        QTest::addColumn<int>("fps");
        for (int fps : {10, 15, 20, 30})
            QTest::newRow(qPrintable(QString::number(fps))) << fps;
    }
    void pacingKeepsTheRateWithATenMillisecondTick()
    {
        // Ten seconds of 10 ms ticks: the average rate is the frame rate (not the 25 fps a
        // "one period since the last frame" rule gives at 30), and every frame gets its own
        // slot, so the recorder never drops one as "not later than the previous".
        QFETCH(int, fps);
        qint64 last = -1;
        int frames = 0;
        for (qint64 ms = 0; ms < 10000; ms += 10) {
            if (!isRecordFrameDue(ms, last, fps))
                continue;
            const qint64 slot = recordFrameSlot(ms, fps);
            QVERIFY(slot > last);
            last = slot;
            ++frames;
        }
        // Slots 0 to 10 x fps: the tick at 9990 ms rounds up to the last one.
        QCOMPARE(frames, fps * 10 + 1);
        // A late tick skips slots rather than crowding the next frames together.
        QVERIFY(!isRecordFrameDue(0, 0, fps));
        QVERIFY(isRecordFrameDue(5000, 0, fps));
    }

    void convertsAnyPictureFormat()
    {
        AVFrame *frame = av_frame_alloc();
        frame->format = AV_PIX_FMT_YUV420P;
        frame->width = 6;
        frame->height = 4;
        QCOMPARE(av_frame_get_buffer(frame, 0), 0);
        const QColor colour(200, 40, 90);
        QImage rgb32(6, 4, QImage::Format_RGB32);
        rgb32.fill(colour);
        QVERIFY(ImageToAVFrame(rgb32, frame, AV_PIX_FMT_YUV420P));
        const int y = frame->data[0][0];
        const int u = frame->data[1][0];
        // A 24-bit picture of the same colour gives the same planes (it is widened first).
        memset(frame->data[0], 0, size_t(frame->linesize[0]) * 4);
        QVERIFY(ImageToAVFrame(rgb32.convertToFormat(QImage::Format_RGB888), frame,
                               AV_PIX_FMT_YUV420P));
        QCOMPARE(int(frame->data[0][5 + 3 * frame->linesize[0]]), y);
        QCOMPARE(int(frame->data[1][0]), u);
        // Another size or an unknown target format: nothing is written.
        QVERIFY(!ImageToAVFrame(QImage(7, 4, QImage::Format_RGB32), frame, AV_PIX_FMT_YUV420P));
        QVERIFY(!ImageToAVFrame(rgb32, frame, AV_PIX_FMT_RGB24));
        av_frame_free(&frame);
    }

    void recordsEveryFrameHandedOver()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clip.mp4"));
        RtmpThread thread;
        BufferPool pool(320, 240);
        QSignalSpy finished(&thread, &QThread::finished);
        thread.setOutputPath(path);
        record(thread, pool, 45, 320, 240, 15);
        QCOMPARE(finished.count(), 1);
        QVERIFY2(!thread.failed(), qPrintable(thread.errorText()));
        QVERIFY(thread.hasVideo());
        QCOMPARE(thread.framesQueued(), 45);
        QCOMPARE(thread.framesEncoded(), 45);
        QVERIFY(pool.allReleased());

        const VideoProbe probe = VideoProbe::read(path);
        QVERIFY(probe.ok);
        QCOMPARE(probe.codec, QStringLiteral("h264"));
        QCOMPARE(QSize(probe.width, probe.height), QSize(320, 240));
        // The last frames come out only when the encoder is drained.
        QCOMPARE(probe.frames, 45);
        QVERIFY2(qAbs(probe.durationMs - 3000.0) < 300.0,
                 qPrintable(QString::number(probe.durationMs)));
        const QRgb expected = numbered(1, 1, 0).pixel(0, 0);
        const QRgb got = probe.firstFrame.pixel(160, 120);
        QVERIFY(qAbs(qRed(got) - qRed(expected)) < 12 &&
                qAbs(qGreen(got) - qGreen(expected)) < 12 &&
                qAbs(qBlue(got) - qBlue(expected)) < 12);
    }

    void dropsFramesItCannotEncode()
    {
        // A frame not later than the previous one, or of another size, is released unencoded.
        QTemporaryDir dir;
        RtmpThread thread;
        BufferPool pool(320, 240);
        CameraBuffer other;
        other.init(640, 480);
        thread.setOutputPath(dir.filePath(QStringLiteral("drops.mp4")));
        thread.setSize(320, 240);
        thread.setFrameRate(15);
        thread.startRecord();
        thread.writeVideo(0, pool.claim(numbered(320, 240, 0)));
        thread.writeVideo(20, pool.claim(numbered(320, 240, 1))); // same slot as 0 ms
        QVERIFY(other.getBuffer());
        thread.writeVideo(200, &other);
        thread.writeVideo(400, pool.claim(numbered(320, 240, 2)));
        thread.waitFinish(30000);
        QCOMPARE(thread.framesEncoded(), 2);
        QCOMPARE(thread.framesDropped(), 2);
        QVERIFY(pool.allReleased());
        QVERIFY(!other.isLocked());
        QCOMPARE(VideoProbe::read(thread.outputPath()).frames, 2);
    }

    void containerFollowsTheSuffixAndTheWholePathIsUsed()
    {
        // A path far beyond 1023 UTF-8 bytes, in folders with non-Latin names.
        QTemporaryDir dir;
        QString folder = dir.path();
        for (int i = 0; i < 12; ++i)
            folder += QLatin1Char('/') + QString(40, QChar(0x5f55)); // 120 bytes each
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/录像.avi");
        QVERIFY(path.toUtf8().size() > 1400);
        RtmpThread thread;
        BufferPool pool(160, 120);
        thread.setOutputPath(path);
        record(thread, pool, 5, 160, 120, 30);
        QVERIFY2(!thread.failed(), qPrintable(thread.errorText()));
        const VideoProbe probe = VideoProbe::read(path);
        QCOMPARE(probe.container, QStringLiteral("avi"));
        QCOMPARE(probe.frames, 5);
    }

    void failureEndsTheThreadAndLeavesNoFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/clip.mp4"));
        RtmpThread thread;
        BufferPool pool(320, 240);
        QSignalSpy finished(&thread, &QThread::finished);
        thread.setOutputPath(path);
        thread.setSize(320, 240);
        thread.startRecord();
        thread.writeVideo(0, pool.claim(numbered(320, 240, 0)));
        QVERIFY(finished.wait(20000) || finished.count() == 1);
        QVERIFY(thread.failed());
        QVERIFY(thread.errorText().startsWith(QStringLiteral("Could not open output URL")));
        QVERIFY(!thread.hasVideo());
        QVERIFY(!QFile::exists(path));
        // Frames offered after the failure are not kept either.
        thread.writeVideo(100, pool.claim(numbered(320, 240, 1)));
        QVERIFY(pool.allReleased());
        QCOMPARE(thread.recordTime(), 0);
    }

    void killedRecordingStillPlays()
    {
        // A recording process killed outright leaves a file that plays up to its last
        // complete fragment: at most about a second is lost.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("killed.mp4"));
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({QStringLiteral("--record-until-killed"), path});
        child.start();
        QVERIFY(child.waitForStarted());
        int handed = 0;
        QByteArray output;
        QElapsedTimer clock;
        clock.start();
        while (handed < 45 && clock.elapsed() < 60000 && child.state() == QProcess::Running) {
            child.waitForReadyRead(200);
            output += child.readAllStandardError();
            const int at = output.lastIndexOf("handed ");
            if (at >= 0)
                handed = output.mid(at + 7).split('\n').first().toInt();
        }
        QVERIFY(handed >= 45);
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        output += child.readAllStandardError();
        const int at = output.lastIndexOf("handed ");
        handed = output.mid(at + 7).split('\n').first().toInt();

        const VideoProbe probe = VideoProbe::read(path);
        QVERIFY(probe.ok);
        qInfo("%d of %d frames handed over are readable", probe.frames, handed);
        QVERIFY2(probe.frames >= handed - 15 && probe.frames <= handed + 1,
                 qPrintable(QStringLiteral("%1 of %2").arg(probe.frames).arg(handed)));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--record-until-killed") == 0)
        return recordUntilKilled(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    tst_RtmpThread test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_rtmpthread.moc"

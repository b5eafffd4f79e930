#include "capture/CameraBuffer.h"
#include "capture/CvCaptureCAM_DShow.h"
#include "media/RecordPolicy.h"
#include "media/RecordSession.h"
#include "virtualscope/VirtualScope.h"

#include "TestFiles.h"
#include "VideoProbe.h"

#include <QtPlugin>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

Q_IMPORT_PLUGIN(VirtualScopePlugin)

namespace {
const QString kHeron = QStringLiteral("virtual:0ac80225");
constexpr int kWait = 20000;
} // namespace

// A recording session fed with the virtual microscope's live frames, the way the window feeds
// it the rendered view: one of five buffers claimed per frame, released by the recorder.
class tst_RecordSession : public QObject
{
    Q_OBJECT

    CvCaptureCAM_DShow *m_cam = nullptr;
    CameraBuffer m_buffers[5];
    QTemporaryDir m_dir;

    CameraBuffer *claimLiveFrame()
    {
        const QImage frame = m_cam->shareFrame(kHeron).convertToFormat(QImage::Format_RGB32);
        for (CameraBuffer &buffer : m_buffers) {
            if (frame.size() != QSize(buffer.width(), buffer.height()))
                return nullptr;
            if (uchar *bits = buffer.getBuffer()) {
                std::memcpy(bits, frame.constBits(), size_t(buffer.byteCount()));
                return &buffer;
            }
        }
        return nullptr; // all in flight: the session tries again on the next tick
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        VirtualScope::instance()->reset();
        VirtualScope::instance()->showSpecimen();
        m_cam = CvCaptureCAM_DShow::instance();
        m_cam->init();
        QVERIFY(m_cam->open(kHeron, 640, 480, "YUV"));
        QTRY_VERIFY_WITH_TIMEOUT(!m_cam->shareFrame(kHeron).isNull(), kWait);
        for (CameraBuffer &buffer : m_buffers)
            buffer.init(640, 480);
    }
    void cleanupTestCase() { m_cam->close(kHeron); }

    void pacesOneFramePerSlot()
    {
        RecordSession session;
        session.setFrameSource([this] { return claimLiveFrame(); });
        QSignalSpy started(&session, &RecordSession::started);
        QSignalSpy stopped(&session, &RecordSession::stopped);
        const QString path = m_dir.filePath(QStringLiteral("paced.mp4"));

        QElapsedTimer clock;
        clock.start();
        session.start(path, QSize(640, 480), kHeron);
        QCOMPARE(started.count(), 1);
        QVERIFY(session.isRecording());
        QCOMPARE(session.cameraId(), kHeron);
        QVERIFY(session.isRecordingPath(path));
        QVERIFY(session.isRecordingPath(m_dir.path()));
        QCOMPARE(session.recorder().frameRate(), recordFrameRate(640, 480));
        // The picture at hand goes out with the start.
        QCOMPARE(session.recorder().framesQueued(), 1);

        QTRY_VERIFY_WITH_TIMEOUT(session.recorder().framesQueued() >= 8, kWait);
        const qint64 slotCount = recordFrameSlot(clock.elapsed(), session.recorder().frameRate());
        session.stop();
        QVERIFY(!session.isRecording());
        QVERIFY(session.cameraId().isEmpty());
        QVERIFY(!session.isRecordingPath(path));
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(stopped.at(0).at(0).toString(), path);

        // Never two frames in one slot, every frame handed over in the file.
        const int queued = session.recorder().framesQueued();
        QVERIFY2(queued > 1 && queued <= slotCount + 1, qPrintable(QString::number(queued)));
        const VideoProbe probe = VideoProbe::read(path);
        QVERIFY(probe.ok);
        QCOMPARE(QSize(probe.width, probe.height), QSize(640, 480));
        QCOMPARE(probe.frames, queued);
        for (const CameraBuffer &buffer : m_buffers)
            QVERIFY(!buffer.isLocked());
    }

    void failureReportedOnce_data()
    {
        // 0: the folder is a file; else a full disk: writes past the limit fail (EFBIG).
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("kept"); // only a file that plays is left and listed
        QTest::newRow("folder is a file") << 0 << false;
        QTest::newRow("disk full past the header") << 4096 << false;
        QTest::newRow("disk full after fragments") << 200 * 1024 << true;
    }
    void failureReportedOnce()
    {
        QFETCH(int, limit);
        QFETCH(bool, kept);
        const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
        QVERIFY(writeFile(blocker));
        const QString path = limit ? m_dir.filePath(QStringLiteral("full%1.mp4").arg(limit))
                                   : blocker + QStringLiteral("/x.mp4");

        RecordSession session;
        session.setFrameSource([this] { return claimLiveFrame(); });
        QSignalSpy stopped(&session, &RecordSession::stopped);
        QSignalSpy failed(&session, &RecordSession::failed);
        rlimit old{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit full{limit ? rlim_t(limit) : old.rlim_cur, old.rlim_max};
        QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
        session.start(path, QSize(640, 480), kHeron);
        const bool ended = QTest::qWaitFor([&] { return failed.count() > 0; }, kWait * 3);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(ended);
        // Back to idle before the failure is told.
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(stopped.at(0).at(0).toString(), kept ? path : QString());
        QCOMPARE(QFileInfo::exists(path), kept);
        QVERIFY(!kept || VideoProbe::read(path).frames > 0);
        QVERIFY(!session.isRecording());
        QVERIFY(!failed.at(0).at(0).toString().isEmpty());

        // A late "finished" of the same run reports nothing again.
        session.onRecorderFinished();
        QCOMPARE(failed.count(), 1);
        QCOMPARE(stopped.count(), 1);
    }
};

QTEST_MAIN(tst_RecordSession)
#include "tst_recordsession.moc"

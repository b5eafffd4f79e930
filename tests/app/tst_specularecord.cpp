#include "app/DeviceProfile.h"
#include "app/Specula.h"
#include "config/ConfigFile.h"
#include "media/RtmpThread.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"
#include "virtualscope/VirtualScope.h"

#include "RequireChild.h"
#include "VideoProbe.h"

#include <QtPlugin>
#include <QtTest>
#include <QtWidgets>

Q_IMPORT_PLUGIN(VirtualScopePlugin)

namespace {
const QString kKestrel = QStringLiteral("virtual:0c450223");
// Frames and encoding are slow under sanitizers and on a loaded machine.
constexpr int kWait = 30000;

/// Answers every modal message box with its first button, remembers the texts, and notes
/// whether two boxes were ever open at once.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(int delayMs = 0)
    {
        connect(&m_poll, &QTimer::timeout, this, [this, delayMs] {
            const QList<QMessageBox *> boxes = visibleBoxes();
            maxOpen = qMax(maxOpen, boxes.size());
            if (boxes.isEmpty()) {
                m_seen.invalidate();
                return;
            }
            if (!m_seen.isValid())
                m_seen.start();
            if (m_seen.elapsed() < delayMs)
                return;
            QMessageBox *box = boxes.last();
            texts.append(box->text());
            m_seen.invalidate();
            box->buttons().first()->click();
        });
        m_poll.start(20);
    }
    static QList<QMessageBox *> visibleBoxes()
    {
        QList<QMessageBox *> boxes;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
                boxes.append(box);
        }
        return boxes;
    }
    QStringList texts;
    int maxOpen = 0;

private:
    QTimer m_poll;
    QElapsedTimer m_seen;
};
} // namespace

// One window serves every test: building it takes three seconds (the splash).
class tst_SpeculaRecord : public QObject
{
    Q_OBJECT

private:
    template <typename T> T *child(const char *name) const
    {
        return requireChild<T>(m_window, name);
    }
    CameraScene *scene() const { return child<CameraViewer>("camViewer")->scene(); }
    QToolButton *recordButton() const { return child<QToolButton>("btnRecord"); }
    const RtmpThread &recorder() const { return m_window->recorder(); }
    QString videoFolder() const
    {
        return QDir(m_window->config().movieDir).filePath(m_window->config().movieSubDir);
    }
    bool sceneShows(QSize size) const
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kWait) {
            if (scene()->sceneRect().size().toSize() == size && scene()->frameBufferData())
                return true;
            QTest::qWait(20);
        }
        return false;
    }
    void setResolution(const QString &text, QSize size)
    {
        child<QComboBox>("boxResolution")->setCurrentText(text);
        QVERIFY(sceneShows(size));
    }
    /// The window is idle again: texts, timers, panel, buffers.
    void verifyIdle()
    {
        QVERIFY(!m_window->isRecording());
        QVERIFY(!recorder().isRunning());
        QCOMPARE(recordButton()->text(), QStringLiteral("录像"));
        QVERIFY(!scene()->isRecord());
        QVERIFY(child<QWidget>("cameraWidget")->isEnabled());
        QVERIFY(recorder().isFinish());
    }

    Specula *m_window = nullptr;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir(QStandardPaths::writableLocation(QStandardPaths::DataLocation)).removeRecursively();
        if (g_supportDevice.isEmpty())
            initSetting();
        VirtualScope::instance()->reset();
        m_window = new Specula;
        m_window->resize(1200, 800);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QVERIFY(QDir().mkpath(videoFolder()));
        QVERIFY(sceneShows(QSize(1920, 1080)));
    }

    void cleanupTestCase() { delete m_window; }

    void recordsWhatTheViewShows()
    {
        const int listed = m_window->config().movieFiles.size();
        QTest::mouseClick(recordButton(), Qt::LeftButton);
        QVERIFY(m_window->isRecording());
        QCOMPARE(recordButton()->text(), QStringLiteral("停止录像"));
        QVERIFY(scene()->isRecord());
        QVERIFY(!child<QWidget>("cameraWidget")->isEnabled());
        QCOMPARE(recorder().frameRate(), 15);
        QCOMPARE(QSize(recorder().width(), recorder().height()), QSize(1920, 1080));
        const QString path = recorder().outputPath();
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(videoFolder()).absoluteFilePath());
        QVERIFY(path.endsWith(QStringLiteral(".mp4")));

        QTRY_VERIFY_WITH_TIMEOUT(recorder().recordTime() >= 3000, kWait);
        const int wallMs = recorder().recordTime();
        QTest::mouseClick(recordButton(), Qt::LeftButton);
        verifyIdle();
        QVERIFY2(!recorder().failed(), qPrintable(recorder().errorText()));
        QCOMPARE(m_window->config().movieFiles.size(), listed + 1);
        QCOMPARE(m_window->config().movieFiles.last(), path);

        const VideoProbe probe = VideoProbe::read(path);
        QVERIFY(probe.ok);
        QCOMPARE(QSize(probe.width, probe.height), QSize(1920, 1080));
        // Every frame handed over is in the file, the last ones included.
        QCOMPARE(probe.frames, recorder().framesQueued());
        QCOMPARE(recorder().framesEncoded(), recorder().framesQueued());
        QVERIFY(probe.frames > 0);
        QVERIFY2(qAbs(probe.durationMs - wallMs) <= 0.1 * wallMs,
                 qPrintable(QStringLiteral("%1 ms of %2").arg(probe.durationMs).arg(wallMs)));
    }

    void frameRateByPixelCount_data()
    {
        QTest::addColumn<QString>("resolution");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("fps");
        QTest::newRow("2592x1944") << "2592 x 1944" << QSize(2592, 1944) << 10;
        QTest::newRow("1280x1024") << "1280 x 1024" << QSize(1280, 1024) << 20;
        QTest::newRow("1920x1080") << "1920 x 1080" << QSize(1920, 1080) << 15;
    }
    void frameRateByPixelCount()
    {
        QFETCH(QString, resolution);
        QFETCH(QSize, size);
        setResolution(resolution, size);
        // Stopped right after the start: the file still holds the picture of the press.
        const int listed = m_window->config().movieFiles.size();
        QTest::mouseClick(recordButton(), Qt::LeftButton);
        QTEST(recorder().frameRate(), "fps");
        QCOMPARE(QSize(recorder().width(), recorder().height()), size);
        QTest::mouseClick(recordButton(), Qt::LeftButton);
        verifyIdle();
        QCOMPARE(m_window->config().movieFiles.size(), listed + 1);
        const VideoProbe probe = VideoProbe::read(recorder().outputPath());
        QCOMPARE(QSize(probe.width, probe.height), size);
        QCOMPARE(probe.frames, 1);
    }

    void unwritableFolderResetsTheWindow()
    {
        // The video folder is a file: the recorder cannot create anything in it.
        const QString folder = videoFolder();
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QStringList listed = m_window->config().movieFiles;

        BoxAnswerer answer;
        QTest::mouseClick(recordButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(answer.texts, QStringList{QStringLiteral("录像出错1")}, kWait);
        verifyIdle();
        QVERIFY(recorder().failed());
        QCOMPARE(m_window->config().movieFiles, listed);
        QVERIFY(!QFileInfo(recorder().outputPath()).exists());

        QVERIFY(QFile::remove(folder));
        QVERIFY(QDir().mkpath(folder));
    }

    void refusedWithoutAPictureOrOnTheFourViewPage()
    {
        const QStringList listed = m_window->config().movieFiles;
        // Right after a resolution change the scene holds no picture until the next frame.
        child<QComboBox>("boxResolution")->setCurrentText(QStringLiteral("1280 x 1024"));
        QVERIFY(!m_window->startRecord(kKestrel));
        m_window->onBtnRecord();
        QVERIFY(!m_window->isRecording());
        QVERIFY(!recorder().isRunning());
        QVERIFY(sceneShows(QSize(1280, 1024)));

        QTest::mouseClick(child<QToolButton>("btnScreenSwitch"), Qt::LeftButton);
        QCOMPARE(child<QStackedWidget>("stackMainWidget")->currentIndex(), 1);
        child<QAction>("actionRecord")->trigger(); // the menu still reaches the button's slot
        QVERIFY(!m_window->isRecording());
        QVERIFY(!recorder().isRunning());
        QTest::mouseClick(child<QToolButton>("btnScreenSwitch"), Qt::LeftButton);
        QCOMPARE(m_window->config().movieFiles, listed);
        setResolution(QStringLiteral("1920 x 1080"), QSize(1920, 1080));
    }

    void closingTheWindowFinishesTheRecording()
    {
        QTest::mouseClick(recordButton(), Qt::LeftButton);
        QVERIFY(m_window->isRecording());
        QTRY_VERIFY_WITH_TIMEOUT(recorder().framesQueued() >= 3, kWait);
        const QString path = recorder().outputPath();
        delete m_window; // drains, writes the trailer, lists the file, saves the settings
        m_window = nullptr;
        Config saved;
        QCOMPARE(ConfigFile::load(ConfigFile::defaultPath(), saved),
                 ConfigFile::LoadResult::Loaded);
        QCOMPARE(saved.movieFiles.last(), path);
        QVERIFY(VideoProbe::read(path).frames >= 3);
    }
};

QTEST_MAIN(tst_SpeculaRecord)
#include "tst_specularecord.moc"

#include "config/ConfigFile.h"
#include "media/FileBrowser.h"
#include "media/RtmpThread.h"
#include "media/SettingTimeDialog.h"
#include "virtualscope/VirtualScope.h"

#include "ModalAnswerer.h"
#include "TestFiles.h"
#include "VideoProbe.h"
#include "WindowTest.h"

#include <QtPlugin>
#include <QtTest>
#include <QtWidgets>

Q_IMPORT_PLUGIN(VirtualScopePlugin)

namespace {
const QString kKestrel = QStringLiteral("virtual:0c450223");
const QString kHeron = QStringLiteral("virtual:0ac80225");

/// Answers each message box with its first button once it has been open `delayMs`, and notes
/// how many were ever open at once.
ModalAnswerer::Step slowAnswer(int delayMs, int *maxOpen)
{
    auto seen = std::make_shared<QElapsedTimer>();
    return [delayMs, maxOpen, seen](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box)
            return false;
        int open = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            open += qobject_cast<QMessageBox *>(top) && top->isVisible() ? 1 : 0;
        *maxOpen = qMax(*maxOpen, open);
        if (!seen->isValid())
            seen->start();
        if (seen->elapsed() < delayMs)
            return false;
        seen->invalidate();
        box->buttons().first()->click();
        return true;
    };
}
} // namespace

class tst_SpeculaRecord : public WindowTest
{
    Q_OBJECT

private:
    QToolButton *recordButton() const { return child<QToolButton>("btnRecord"); }
    const RtmpThread &recorder() const { return m_window->recorder(); }
    QString videoFolder() const
    {
        return QDir(m_window->config().movieDir).filePath(m_window->config().movieSubDir);
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
        QCOMPARE(recordButton()->text(), Specula::tr("录像"));
        QVERIFY(!scene()->isRecord());
        QVERIFY(child<QWidget>("cameraWidget")->isEnabled());
        QVERIFY(recorder().isFinish());
    }

    /// Runs a timed series in its dialog, as a user would: fields, "开始", then waits until the
    /// dialog unlocks again (or `timeoutMs`), then "退出". `during` runs once the series started.
    struct Series
    {
        bool unlocked = false;
        int shown = -1;
    };
    Series runSeries(int type, int interval, int length, int total, int timeoutMs,
                     const std::function<void()> &during = {})
    {
        Series result;
        QTimer::singleShot(0, this, [&] {
            SettingTimeDialog *dialog = nullptr;
            QTRY_VERIFY_WITH_TIMEOUT(
                (dialog = qobject_cast<SettingTimeDialog *>(QApplication::activeModalWidget())),
                kWait);
            const auto button = [dialog](const char *name) {
                return requireChild<QAbstractButton>(dialog, name);
            };
            button(type == 0 ? "btnCapture" : "btnRecord")->click();
            requireChild<QSpinBox>(dialog, "lineGap")->setValue(interval);
            requireChild<QSpinBox>(dialog, "lineLength")->setValue(length);
            requireChild<QSpinBox>(dialog, "lineNum")->setValue(total);
            requireChild<QDateTimeEdit>(dialog, "timeStart")
                ->setDateTime(QDateTime::currentDateTime().addSecs(2));
            button("btnOk")->click();
            if (!button("btnOk")->isEnabled() && during)
                during();
            result.unlocked =
                QTest::qWaitFor([&] { return button("btnOk")->isEnabled(); }, timeoutMs);
            result.shown = requireChild<QLCDNumber>(dialog, "lineNumCapture")->intValue();
            button("btnExit")->click();
        });
        child<QToolButton>("btnTimeSetting")->click(); // runs the dialog until "退出"
        return result;
    }
    QString pictureFolder() const
    {
        return QDir(m_window->config().imageDir).filePath(m_window->config().imageSubDir);
    }
    /// The browser's thumbnail shows the pink specimen rather than a placeholder.
    bool showsSpecimen(const QString &name) const
    {
        const QList<QListWidgetItem *> items =
            child<FileBrowser>("cameraBrowser")->listWidget()->findItems(name, Qt::MatchExactly);
        if (items.size() != 1)
            return false;
        const QImage icon = items.first()->icon().pixmap(FileBrowser::IconSize).toImage();
        if (icon.isNull())
            return false;
        const QColor centre = icon.pixelColor(icon.width() / 2, icon.height() / 2);
        return centre.red() > centre.green() + 8;
    }
    QStringList videoFiles() const
    {
        return QDir(videoFolder()).entryList({QStringLiteral("*.mp4")}, QDir::Files);
    }

    void beforeWindow() override { VirtualScope::instance()->reset(); }

private slots:
    void initTestCase() { prepare(); }

    void init()
    {
        if (!newTestFunction())
            return;
        QVERIFY(freshWindow());
        QVERIFY(QDir().mkpath(videoFolder()));
        QVERIFY(sceneShows(QSize(1920, 1080)));
    }

    void recordsWhatTheViewShows()
    {
        const int listed = m_window->config().movieFiles.size();
        QTest::mouseClick(recordButton(), Qt::LeftButton);
        QVERIFY(m_window->isRecording());
        QCOMPARE(recordButton()->text(), Specula::tr("停止录像"));
        QVERIFY(scene()->isRecord());
        QVERIFY(!child<QWidget>("cameraWidget")->isEnabled());
        QCOMPARE(recorder().frameRate(), 15);
        QCOMPARE(QSize(recorder().width(), recorder().height()), QSize(1920, 1080));
        const QString path = recorder().outputPath();
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(videoFolder()).absoluteFilePath());
        QVERIFY(path.endsWith(QStringLiteral(".mp4")));
        // A language switch re-applies the form's texts; the button keeps the recording state.
        m_window->switchLang(8);
        QCOMPARE(recordButton()->text(), Specula::tr("停止录像"));
        QVERIFY(recordButton()->text() != QStringLiteral("停止录像"));
        m_window->switchLang(1);

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
        // Listed in the video browser, where its thumbnail arrives.
        QTRY_VERIFY_WITH_TIMEOUT(showsSpecimen(QFileInfo(path).fileName()), kWait);
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
        QVERIFY(writeFile(folder));
        const QStringList listed = m_window->config().movieFiles;

        const ModalAnswerer answer(QMessageBox::Ok);
        QTest::mouseClick(recordButton(), Qt::LeftButton);
        const QStringList once{Specula::tr("录像出错1")};
        QTRY_COMPARE_WITH_TIMEOUT(answer.texts, once, kWait);
        verifyIdle();
        QVERIFY(recorder().failed());
        QCOMPARE(m_window->config().movieFiles, listed);

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

    void timedSeriesOfPictures()
    {
        const QStringList jpg{QStringLiteral("*.jpg")};
        const int before = QDir(pictureFolder()).entryList(jpg, QDir::Files).size();
        const Series series = runSeries(0, 1, 10, 3, 60000);
        QVERIFY(series.unlocked);
        QCOMPARE(series.shown, 3);
        QVERIFY(!m_window->config().autoRecordOn);
        QTRY_COMPARE_WITH_TIMEOUT(QDir(pictureFolder()).entryList(jpg, QDir::Files).size(),
                                  before + 3, kWait);
    }

    void timedSeriesOfVideos()
    {
        // Two videos of the shortest length, one second apart.
        const QStringList before = videoFiles();
        const int listed = m_window->config().movieFiles.size();
        const Series series = runSeries(1, 1, 10, 2, 90000);
        QVERIFY(series.unlocked);
        QCOMPARE(series.shown, 2);
        QVERIFY(!m_window->isRecording());
        QCOMPARE(videoFiles().size(), before.size() + 2);
        QCOMPARE(m_window->config().movieFiles.size(), listed + 2);
        for (int i = listed; i < listed + 2; ++i) {
            const VideoProbe probe = VideoProbe::read(m_window->config().movieFiles.at(i));
            // Ten seconds from the moment the encoder was ready, to the timer's grain.
            QVERIFY2(probe.durationMs >= 9500 && probe.durationMs <= 12500,
                     qPrintable(QString::number(probe.durationMs)));
        }
    }

    void timedSeriesWithoutACamera()
    {
        // The camera goes away during a series: each refused step shows one box at a time
        // (ticks while a box is open are ignored), counts, and the series ends.
        int maxOpen = 0;
        const ModalAnswerer answer({}, slowAnswer(1500, &maxOpen));
        const Series series = runSeries(0, 1, 10, 3, 60000, [this] {
            VirtualScope::instance()->unplug(kKestrel.toLatin1());
            VirtualScope::instance()->unplug(kHeron.toLatin1());
            m_window->onCameraTimer();
            QVERIFY(m_window->cameraId().isEmpty());
        });
        QVERIFY(series.unlocked);
        QCOMPARE(series.shown, 3);
        QCOMPARE(maxOpen, 1);
        const QString noCamera = Specula::tr("设备未启动"); // the box in the language in force
        QCOMPARE(answer.texts, (QStringList{noCamera, noCamera, noCamera}));
        VirtualScope::instance()->plug(kKestrel.toLatin1());
        VirtualScope::instance()->plug(kHeron.toLatin1());
        m_window->onCameraTimer();
        QTRY_VERIFY_WITH_TIMEOUT(m_window->isCapture(kKestrel), kWait);
        QVERIFY(sceneShows(QSize(1920, 1080)));
    }

    void unplugEndsATimedVideoAsAStop()
    {
        // One box, the window idle, the video counted, listed and playable up to the unplug.
        const int listed = m_window->config().movieFiles.size();
        const ModalAnswerer answer(QMessageBox::Ok);
        const Series series = runSeries(1, 1, 10, 1, 90000, [this] {
            QTRY_VERIFY_WITH_TIMEOUT(recorder().framesEncoded() >= 3, kWait);
            VirtualScope::instance()->unplug(kKestrel.toLatin1());
            VirtualScope::instance()->unplug(kHeron.toLatin1());
        });
        QVERIFY(series.unlocked);
        QCOMPARE(series.shown, 1);
        QCOMPARE(answer.texts, QStringList{Specula::tr("设备已断开，录像已停止。")});
        verifyIdle();
        QCOMPARE(m_window->config().movieFiles.size(), listed + 1);
        QVERIFY(VideoProbe::read(m_window->config().movieFiles.last()).frames >= 3);
        QVERIFY(m_window->cameraId().isEmpty());
        VirtualScope::instance()->plug(kKestrel.toLatin1());
        VirtualScope::instance()->plug(kHeron.toLatin1());
        m_window->onCameraTimer();
        QTRY_VERIFY_WITH_TIMEOUT(m_window->isCapture(kKestrel), kWait);
    }

    void closingTheWindowFinishesTheRecording()
    {
        QTest::mouseClick(recordButton(), Qt::LeftButton);
        QVERIFY(m_window->isRecording());
        QTRY_VERIFY_WITH_TIMEOUT(recorder().framesQueued() >= 3, kWait);
        const QString path = recorder().outputPath();
        closeWindow(); // drains, writes the trailer, lists the file, saves the settings
        Config saved;
        QCOMPARE(ConfigFile::load(ConfigFile::defaultPath(), saved),
                 ConfigFile::LoadResult::Loaded);
        QCOMPARE(saved.movieFiles.last(), path);
        QVERIFY(VideoProbe::read(path).frames >= 3);
    }
};

QTEST_MAIN(tst_SpeculaRecord)
#include "tst_specularecord.moc"

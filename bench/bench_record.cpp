// Recording cost through the whole program: a real main window records the virtual
// microscope while the live view runs. Not a Google Benchmark: it runs the event loop and
// reports the frames the pacing timer handed to the recorder, the frames encoded, the CPU time
// of the whole process (all threads) and the file size per minute.
//
//   bench_record [camera-index] [resolution] [seconds] [preset|-] [screenshot.png]
//   e.g. xvfb-run -a -s "-screen 0 1600x1000x24" build/bench/bench_record 1 "3264 x 2448" 20
//
// Camera 0 is the 5 MP virtual microscope, 1 the 8 MP one; preset "-" (the default) lets the
// program choose by pixel rate. With a screenshot path the window is grabbed two seconds
// into the recording. Settings and videos go to a test location.
//
//   bench_record encode <width> <height> <preset> [frames]
// measures the encoder alone (conversion + x264) on virtual-microscope frames, as fast as it
// goes: the ceiling each preset has on this machine.

#include "app/DeviceProfile.h"
#include "app/Specula.h"
#include "media/RtmpThread.h"
#include "media/VideoEncoder.h"
#include "virtualscope/ScopePicture.h"
#include "virtualscope/VirtualScope.h"

#include <QtPlugin>
#include <QtWidgets>

#include <cstdio>
#include <unistd.h>

Q_IMPORT_PLUGIN(VirtualScopePlugin)

namespace {

/// User plus system time of the whole process, in milliseconds.
double processCpuMs()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0.0;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int encodeOnly(const QStringList &args)
{
    const QSize size(args.value(2).toInt(), args.value(3).toInt());
    const QString preset = args.value(4, QStringLiteral("fast"));
    const int frames = args.value(5, QStringLiteral("60")).toInt();
    const int margin = ScopePicture::driftMargin(size);
    const QImage canvas = ScopePicture::renderSpecimen(size, margin);
    QVector<QImage> ring;
    for (int i = 0; i < 8; ++i)
        ring.append(ScopePicture::specimenFrame(canvas, size, margin, i, 8));

    QTemporaryDir dir;
    VideoEncoder encoder;
    VideoEncoder::Settings settings;
    settings.path = dir.filePath(QStringLiteral("encode.mp4"));
    settings.width = size.width();
    settings.height = size.height();
    settings.fps = 10;
    settings.preset = preset;
    if (!encoder.open(settings))
        return 1;
    const double cpu0 = processCpuMs();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < frames; ++i) {
        encoder.convert(ring.at(i % ring.size()));
        encoder.encode(i);
    }
    encoder.finish();
    const double ms = clock.elapsed();
    std::printf("encode %dx%d preset %s: %.1f fps, %.0f %% CPU, %.1f MB per minute at 10 fps\n",
                size.width(), size.height(), qPrintable(preset), frames * 1000.0 / ms,
                (processCpuMs() - cpu0) * 100.0 / ms,
                QFileInfo(settings.path).size() * 600.0 / frames / 1e6);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qunsetenv("QT_PLUGIN_PATH");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("encode"))
        return encodeOnly(args);

    QDir(QStandardPaths::writableLocation(QStandardPaths::DataLocation)).removeRecursively();
    const int cameraIndex = args.value(1, QStringLiteral("0")).toInt();
    const QString resolution = args.value(2, QStringLiteral("1920 x 1080"));
    const int seconds = args.value(3, QStringLiteral("20")).toInt();
    const QString preset = args.value(4, QStringLiteral("-"));
    const QString shot = args.value(5);

    initSetting();
    Specula window;
    window.resize(1400, 900);
    window.show();
    window.findChild<QComboBox *>(QStringLiteral("boxCam"))->setCurrentIndex(cameraIndex);
    window.findChild<QComboBox *>(QStringLiteral("boxResolution"))->setCurrentText(resolution);
    const Config &config = window.config();
    QDir().mkpath(QDir(config.movieDir).filePath(config.movieSubDir));
    // The whole picture in view ("Scale"), as the live view is normally used.
    window.findChild<QComboBox *>(QStringLiteral("comboZoom"))->setCurrentIndex(0);
    if (preset != QLatin1String("-"))
        const_cast<RtmpThread &>(window.recorder()).setPreset(preset);

    // Past the stream's start-up work (the virtual microscope renders its frame ring once).
    waitMs(5000);

    const double cpu0 = processCpuMs();
    QElapsedTimer clock;
    clock.start();
    window.findChild<QAbstractButton *>(QStringLiteral("btnRecord"))->click();
    if (!window.isRecording()) {
        std::printf("recording did not start\n");
        return 1;
    }
    if (!shot.isEmpty()) {
        waitMs(2000);
        window.grab().save(shot);
    }
    const RtmpThread &recorder = window.recorder();
    while (clock.elapsed() < seconds * 1000)
        waitMs(100);
    const int pacedBeforeStop = recorder.framesQueued();
    const int encodedBeforeStop = recorder.framesEncoded();
    const double wallMs = clock.elapsed();
    window.findChild<QAbstractButton *>(QStringLiteral("btnRecord"))->click();
    const double cpuMs = processCpuMs() - cpu0;
    const qint64 bytes = QFileInfo(recorder.outputPath()).size();

    std::printf("%s %dx%d at %d fps, preset %s, %.1f s\n", qPrintable(window.cameraId()),
                recorder.width(), recorder.height(), recorder.frameRate(),
                qPrintable(recorder.preset()), wallMs / 1000.0);
    std::printf("paced %d (%.2f/s), encoded when stop was pressed %d (%.1f %%), encoded in the "
                "end %d, dropped %d\n",
                pacedBeforeStop, pacedBeforeStop * 1000.0 / wallMs, encodedBeforeStop,
                pacedBeforeStop ? encodedBeforeStop * 100.0 / pacedBeforeStop : 0.0,
                recorder.framesEncoded(), recorder.framesDropped());
    std::printf("CPU of the whole program: %.1f %% of one core; file %.1f MB per minute\n",
                cpuMs * 100.0 / wallMs, bytes * 60000.0 / wallMs / 1e6);
    return 0;
}

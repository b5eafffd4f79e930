// Whole-program cost of the live view: a real main window showing the virtual microscope.
// Not a Google Benchmark: it runs the program's event loop for a while and reports the CPU
// time of the whole process (all threads) per painted frame and the achieved frame rate.
//
//   bench_liveview [camera-index] [resolution] [format] [zoom-index] [seconds] [four]
//                  [shot=<file.png>] [nearest]
//   e.g. xvfb-run -a -s "-screen 0 1600x1000x24" build/bench/bench_liveview 0 "1920 x 1080" MJPG 0
//   20
//
// With MJPG it first measures the floor, a plain decode of the same frames, and reports the
// program's cost per painted frame as a multiple of it.
// Zoom index 0 is "Scale" (fit the page), 2 is "1.0x"; "four" measures the four-view page (its
// live tile's paints are counted). "shot=" saves the viewer at the end, and beside it the same
// frame scaled to the viewer's size by nearest-pixel sampling ("-nearest.png", how the view was
// drawn before it was filtered). "nearest" draws the view the old way, by the painter's
// nearest-pixel scaling, for a side-by-side comparison. Settings go to a test location.

#include "app/DeviceProfile.h"
#include "app/Specula.h"
#include "capture/CvCaptureCAM_DShow.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"
#include "scene/DisplayPicture.h"
#include "virtualscope/ScopePicture.h"
#include "virtualscope/VirtualScope.h"

#include <QtPlugin>
#include <QtWidgets>

#include <turbojpeg.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>
#include <vector>

Q_IMPORT_PLUGIN(VirtualScopePlugin)

namespace {

/// User plus system time from a /proc stat file, in milliseconds; `name`, when given, receives
/// the command name. -1 when the file cannot be read (a thread that ended meanwhile).
double statCpuMs(const QString &path, QString *name = nullptr)
{
    QFile stat(path);
    if (!stat.open(QIODevice::ReadOnly))
        return -1.0;
    const QByteArray line = stat.readAll();
    // Fields after the command name (which may hold blanks) start behind the last ')'.
    const int open = line.indexOf('(');
    const int close = line.lastIndexOf(')');
    if (name)
        *name = QString::fromLatin1(line.mid(open + 1, close - open - 1));
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

/// User plus system time of the whole process, in milliseconds.
double processCpuMs()
{
    return std::max(0.0, statCpuMs(QStringLiteral("/proc/self/stat")));
}

/// User plus system time of each thread of the process, in milliseconds, by thread id.
QMap<int, QPair<QString, double>> threadCpuMsById()
{
    QMap<int, QPair<QString, double>> threads;
    const QString taskDir = QStringLiteral("/proc/self/task");
    for (const QString &tid : QDir(taskDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QString name;
        const double ms =
            statCpuMs(taskDir + QLatin1Char('/') + tid + QStringLiteral("/stat"), &name);
        if (ms >= 0.0)
            threads.insert(tid.toInt(), {name, ms});
    }
    return threads;
}

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

/// The floor of an MJPG live view, measured in the same run: the CPU time of a plain TurboJPEG
/// decode (BGRX, default settings) of the frames the virtual microscope streams at this size.
double decodeFloorMs(const QSize &size)
{
    const int margin = ScopePicture::driftMargin(size);
    const QImage canvas = ScopePicture::renderSpecimen(size, margin);
    constexpr int kFrames = 12; // the virtual microscope's ring
    std::vector<QByteArray> jpegs;
    for (int i = 0; i < kFrames; ++i)
        jpegs.push_back(ScopePicture::encodeJpeg(
            ScopePicture::specimenFrame(canvas, size, margin, i, kFrames), 85));
    std::vector<uchar> pixels(size_t(size.width()) * size.height() * 4);
    tjhandle tj = tjInitDecompress();
    auto decode = [&](const QByteArray &jpeg) {
        tjDecompress2(tj, reinterpret_cast<const uchar *>(jpeg.constData()),
                      (unsigned long)jpeg.size(), pixels.data(), size.width(), size.width() * 4,
                      size.height(), TJPF_BGRX, 0);
    };
    decode(jpegs[0]);
    int decoded = 0;
    const double start = threadCpuMs();
    while (threadCpuMs() - start < 3000.0)
        decode(jpegs[size_t(decoded++) % jpegs.size()]);
    const double ms = (threadCpuMs() - start) / decoded;
    tjDestroy(tj);
    return ms;
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// A real event loop: the program idles between frames as it does in use.
void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char **argv)
{
    qunsetenv("QT_PLUGIN_PATH");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::DataLocation)).removeRecursively();
    const QStringList args = app.arguments();
    const int cameraIndex = args.value(1, QStringLiteral("0")).toInt();
    const QString resolution = args.value(2, QStringLiteral("1920 x 1080"));
    const QString format = args.value(3, QStringLiteral("MJPG"));
    const int zoom = args.value(4, QStringLiteral("0")).toInt();
    const int seconds = args.value(5, QStringLiteral("20")).toInt();
    const bool fourView = args.contains(QStringLiteral("four"));
    DisplayPicture::setEnabled(!args.contains(QStringLiteral("nearest")));
    QString shotPath;
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1String("shot=")))
            shotPath = arg.mid(5);
    }

    const QStringList sizeParts = resolution.split(QLatin1Char('x'));
    const QSize frameSize(sizeParts.value(0).trimmed().toInt(),
                          sizeParts.value(1).trimmed().toInt());
    const double floorMs = format == QLatin1String("MJPG") ? decodeFloorMs(frameSize) : 0.0;

    initSetting();
    Specula window;
    window.resize(1400, 900);
    window.show();

    auto *camBox = window.findChild<QComboBox *>(QStringLiteral("boxCam"));
    camBox->setCurrentIndex(cameraIndex);
    window.findChild<QComboBox *>(QStringLiteral("boxFormat"))->setCurrentText(format);
    window.findChild<QComboBox *>(QStringLiteral("boxResolution"))->setCurrentText(resolution);
    window.findChild<QComboBox *>(QStringLiteral("comboZoom"))->setCurrentIndex(zoom);
    const QString id = window.cameraId();
    const QByteArray scopeId = id.toLatin1();

    auto *viewer = window.findChild<CameraViewer *>(QStringLiteral("camViewer"));
    PaintCounter counter;
    if (fourView) {
        window.onBtnScreenSwitch();
        window.findChild<QWidget *>(QStringLiteral("labelView1"))->installEventFilter(&counter);
    } else {
        viewer->viewport()->installEventFilter(&counter);
    }
    int routed = 0;
    QObject::connect(CvCaptureCAM_DShow::instance(), &CvCaptureCAM_DShow::sigFrameReady,
                     [&routed](const QString &, bool) { ++routed; });

    // Past the stream's start-up work (the virtual microscope renders its frame ring once).
    waitMs(5000);

    VirtualScope *scope = VirtualScope::instance();
    const int paints0 = counter.paints;
    const int routed0 = routed;
    const int presented0 = scope->presentedFrames(scopeId);
    const auto threads0 = threadCpuMsById();
    const double cpu0 = processCpuMs();
    QElapsedTimer clock;
    clock.start();
    waitMs(seconds * 1000);
    const double wallMs = clock.elapsed();
    const double cpuMs = processCpuMs() - cpu0;
    const auto threads1 = threadCpuMsById();
    const int paints = counter.paints - paints0;
    const int frames = routed - routed0;
    const int presented = scope->presentedFrames(scopeId) - presented0;

    const QWidget *shown = fourView ? window.findChild<QWidget *>(QStringLiteral("labelView1"))
                                    : static_cast<QWidget *>(viewer);
    std::printf(
        "camera %s, %s %s, zoom %s, %s %dx%d, %.1f s\n", qPrintable(id), qPrintable(resolution),
        qPrintable(format),
        qPrintable(window.findChild<QComboBox *>(QStringLiteral("comboZoom"))->currentText()),
        fourView ? "live tile" : "viewer", shown->width(), shown->height(), wallMs / 1000.0);
    std::printf("frames presented by the camera %.2f/s, reaching the window %.2f/s, painted "
                "%.2f/s\n",
                presented * 1000.0 / wallMs, frames * 1000.0 / wallMs, paints * 1000.0 / wallMs);
    std::printf("CPU of the whole program: %.1f %% of one core, %.2f ms per painted frame\n",
                cpuMs * 100.0 / wallMs, paints > 0 ? cpuMs / paints : 0.0);
    // Per thread: the GUI thread is the process's own id; the grabber runs on the camera's.
    for (auto it = threads1.cbegin(); it != threads1.cend(); ++it) {
        const double ms = it.value().second - threads0.value(it.key()).second;
        if (paints > 0 && ms >= 0.02 * cpuMs)
            std::printf("  thread %d %s%s: %.2f ms per painted frame\n", it.key(),
                        qPrintable(it.value().first), it.key() == getpid() ? " (GUI)" : "",
                        ms / paints);
    }
    if (floorMs > 0.0 && paints > 0)
        std::printf("TurboJPEG decode alone of the same frames: %.2f ms; the program per painted "
                    "frame: %.2fx the decode\n",
                    floorMs, cpuMs / paints / floorMs);
    if (!shotPath.isEmpty() && !fourView) {
        viewer->grab().save(shotPath);
        const QImage frame = viewer->scene()->baseImage();
        QImage nearest(viewer->viewport()->size(), QImage::Format_RGB32);
        QPainter painter(&nearest);
        painter.drawImage(QRect(QPoint(0, 0), nearest.size()), frame);
        painter.end();
        QString nearestPath = shotPath;
        nearestPath.replace(QLatin1String(".png"), QLatin1String("-nearest.png"));
        nearest.save(nearestPath);
        std::printf("saved %s and %s\n", qPrintable(shotPath), qPrintable(nearestPath));
    }
    return 0;
}

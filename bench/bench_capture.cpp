// GUI-thread cost of a capture: rendering the scene, naming the file and handing the picture to
// the writer thread, against writing the file on the GUI thread as well.
// Run by hand: build/bench/bench_capture (uses the offscreen platform unless one is set). Ten
// captures per case: every write is waited for outside the timed part, so the writer thread
// never runs behind.

#include "media/CaptureGeometry.h"
#include "media/PictureWriter.h"
#include "media/SavePath.h"
#include "scene/CameraScene.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A camera-like picture: smooth gradients with some texture, so that PNG and JPEG have work
// comparable to a real specimen.
QImage testFrame(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb((x * 255) / w, (y * 255) / h, ((x ^ y) & 31) + 100);
    }
    return image;
}

const char *const Suffixes[] = {"png", "jpg"};

void captureCase(benchmark::State &state, bool onWorker)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    const QString suffix = QLatin1String(Suffixes[state.range(2)]);
    CameraScene scene;
    scene.setBaseImage(testFrame(size.width(), size.height()));
    QTemporaryDir dir;
    PictureWriter writer;
    for (auto _ : state) {
        // What the capture slot does on the GUI thread.
        const QImage picture = cropToZoom(scene.renderImage(), 1.0);
        const QString path =
            uniqueSavePath(dir.path(), saveStamp(QDateTime::currentDateTime()), suffix,
                           [&writer](const QString &p) { return writer.isPending(p); });
        if (onWorker)
            writer.write(picture, path);
        else
            writePictureFile(picture, path);

        state.PauseTiming();
        writer.finish();
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        state.ResumeTiming();
    }
    state.SetLabel(suffix.toStdString());
}

void BM_CaptureWriterThread(benchmark::State &state)
{
    captureCase(state, true);
}

void BM_CaptureOnGuiThread(benchmark::State &state)
{
    captureCase(state, false);
}

void cases(benchmark::internal::Benchmark *b)
{
    for (int format = 0; format < 2; ++format) {
        b->Args({1920, 1080, format});
        b->Args({3264, 2448, format});
    }
}

} // namespace

BENCHMARK(BM_CaptureWriterThread)
    ->Apply(cases)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);
BENCHMARK(BM_CaptureOnGuiThread)
    ->Apply(cases)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

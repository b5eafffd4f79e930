// What the virtual microscope spends when a stream starts or its picture changes: rendering
// the specimen, camera-side processing, one ring frame (crop and noise) and its JPEG. Frames
// themselves are handed out pre-rendered, so none of this is paid per delivered frame.
#include "virtualscope/ScopePicture.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

QSize sizeOf(const benchmark::State &state)
{
    return QSize(int(state.range(0)), int(state.range(1)));
}

void BM_RenderSpecimen(benchmark::State &state)
{
    const QSize size = sizeOf(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ScopePicture::renderSpecimen(size, ScopePicture::driftMargin(size)));
}

void BM_Processing(benchmark::State &state)
{
    const QImage canvas = ScopePicture::renderSpecimen(sizeOf(state), 0);
    for (auto _ : state) {
        QImage image = canvas.copy();
        ScopePicture::applyProcessing(image, 0.3, 0.3, 0.5);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_RingFrame(benchmark::State &state)
{
    const QSize size = sizeOf(state);
    const int margin = ScopePicture::driftMargin(size);
    const QImage canvas = ScopePicture::renderSpecimen(size, margin);
    int index = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ScopePicture::specimenFrame(canvas, size, margin, index++ % 12, 12));
}

void BM_EncodeJpeg(benchmark::State &state)
{
    const QImage frame = ScopePicture::renderSpecimen(sizeOf(state), 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(ScopePicture::encodeJpeg(frame, 85));
}

void sizes(benchmark::internal::Benchmark *b)
{
    b->Args({1920, 1080})->Args({3264, 2448})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_RenderSpecimen)->Apply(sizes);
BENCHMARK(BM_Processing)->Apply(sizes);
BENCHMARK(BM_RingFrame)->Apply(sizes);
BENCHMARK(BM_EncodeJpeg)->Apply(sizes);

} // namespace

int main(int argc, char **argv)
{
    // The picture has text on it: fonts need a GUI application, no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

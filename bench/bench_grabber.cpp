// Cost of storing one camera frame (CameraFrameGrabber::present) against two yardsticks measured
// in the same run: a memcpy of the frame from memory that is not in cache, and a plain TurboJPEG
// decode of the same JPEG to BGRA.
#include "JpegTestData.h"

#include "capture/CameraBuffer.h"
#include "capture/CameraFrameGrabber.h"
#include "capture/JpegDecoder.h"
#include "capture/PixelAdjust.h"
#include "capture/PixelKernels.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

const QSize kSizes[] = {{1280, 720}, {1920, 1080}, {2592, 1944}, {3264, 2448}};
// Sources are cycled through more memory than the last-level cache holds (32 MiB here), as a
// camera's frames arrive in fresh memory.
constexpr qint64 kPoolBytes = 96ll << 20;

// Flips and adjustments: none, horizontal, vertical, both flips, gamma 70, brightness 60,
// gamma and brightness, and everything together.
enum Variant { None, HFlip, VFlip, Flips, Gamma, Bright, Adjust, All, VariantCount };

bool usesTable(int v)
{
    return v >= Gamma;
}

struct Fixture
{
    QImage picture;
    std::vector<QImage> pool;
    std::vector<QVideoFrame> rgbFrames;
    QByteArray jpeg;
};

Fixture &fixture(int sizeIndex)
{
    static std::map<int, Fixture> cache;
    auto it = cache.find(sizeIndex);
    if (it != cache.end())
        return it->second;
    Fixture &f = cache[sizeIndex];
    const QSize size = kSizes[sizeIndex];
    f.picture = JpegTestData::cameraPicture(size.width(), size.height(), 7);
    const qint64 frameBytes = qint64(size.width()) * size.height() * 4;
    const int count = int(std::max<qint64>(3, (kPoolBytes + frameBytes - 1) / frameBytes));
    for (int i = 0; i < count; ++i) {
        f.pool.push_back(f.picture.copy());
        f.rgbFrames.emplace_back(f.pool.back());
    }
    f.jpeg = JpegTestData::encode(f.picture, TJSAMP_422, 85);
    return f;
}

void configure(CameraFrameGrabber &g, Variant v, int kernel)
{
    PixelKernels::setForced(PixelKernels::Kind(kernel));
    g.setResver(v == HFlip || v == Flips || v == All, v == VFlip || v == Flips || v == All);
    g.setGamma(v == Gamma || v == Adjust || v == All ? 70 : 50);
    g.setBrightness(v == Bright || v == Adjust || v == All ? 60 : 50);
}

void label(benchmark::State &state)
{
    static const char *const names[] = {"none",  "hflip",  "vflip",        "flips",
                                        "gamma", "bright", "gamma+bright", "all"};
    std::string text = names[state.range(1)];
    if (usesTable(int(state.range(1))))
        text += std::string(", ") + PixelKernels::name(PixelKernels::active());
    state.SetLabel(text);
}

void setCounters(benchmark::State &state, const QSize &size)
{
    const double bytes = double(size.width()) * size.height() * 4;
    state.SetBytesProcessed(int64_t(state.iterations() * bytes));
    state.counters["Mpx"] = double(size.width()) * size.height() / 1e6;
}

void BM_Memcpy(benchmark::State &state)
{
    Fixture &f = fixture(int(state.range(0)));
    const QSize size = kSizes[state.range(0)];
    std::vector<uchar> dst(size_t(size.width()) * size.height() * 4);
    size_t i = 0;
    for (auto _ : state) {
        const QImage &src = f.pool[i++ % f.pool.size()];
        memcpy(dst.data(), src.constBits(), dst.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    setCounters(state, size);
}

void BM_PresentRgb32(benchmark::State &state)
{
    Fixture &f = fixture(int(state.range(0)));
    const QSize size = kSizes[state.range(0)];
    auto buffer = std::make_shared<CameraBuffer>();
    buffer->init(size.width(), size.height());
    CameraFrameGrabber grabber(nullptr, QStringLiteral("bench"));
    grabber.setBuffer(buffer);
    configure(grabber, Variant(state.range(1)), int(state.range(2)));
    size_t i = 0;
    for (auto _ : state) {
        if (!grabber.present(f.rgbFrames[i++ % f.rgbFrames.size()]))
            state.SkipWithError("frame dropped");
    }
    setCounters(state, size);
    label(state);
}

// The three separate steps of the straightforward implementation, for comparison.
void BM_StepsRgb32(benchmark::State &state)
{
    Fixture &f = fixture(int(state.range(0)));
    const QSize size = kSizes[state.range(0)];
    std::vector<uchar> dst(size_t(size.width()) * size.height() * 4);
    size_t i = 0;
    for (auto _ : state) {
        const QImage &src = f.pool[i++ % f.pool.size()];
        PixelAdjust::processPixels(src.constBits(), dst.data(), size.width(), size.height(), true,
                                   true);
        PixelAdjust::processGamma(dst.data(), size.width(), size.height(), 70);
        PixelAdjust::processBright(dst.data(), size.width(), size.height(), 60);
        benchmark::DoNotOptimize(dst.data());
    }
    setCounters(state, size);
}

void BM_TurboDecode(benchmark::State &state)
{
    Fixture &f = fixture(int(state.range(0)));
    const QSize size = kSizes[state.range(0)];
    std::vector<uchar> dst(size_t(size.width()) * size.height() * 4);
    tjhandle tj = tjInitDecompress();
    const auto *data = reinterpret_cast<const uchar *>(f.jpeg.constData());
    for (auto _ : state) {
        if (tjDecompress2(tj, data, f.jpeg.size(), dst.data(), size.width(), size.width() * 4,
                          size.height(), TJPF_BGRX, 0) != 0)
            state.SkipWithError(tjGetErrorStr2(tj));
        benchmark::DoNotOptimize(dst.data());
    }
    tjDestroy(tj);
    setCounters(state, size);
    state.counters["jpegKiB"] = f.jpeg.size() / 1024.0;
}

void BM_PresentJpeg(benchmark::State &state)
{
    Fixture &f = fixture(int(state.range(0)));
    const QSize size = kSizes[state.range(0)];
    auto buffer = std::make_shared<CameraBuffer>();
    buffer->init(size.width(), size.height());
    CameraFrameGrabber grabber(nullptr, QStringLiteral("bench"));
    grabber.setBuffer(buffer);
    configure(grabber, Variant(state.range(1)), int(state.range(2)));
    const QVideoFrame frame = JpegTestData::jpegFrame(f.jpeg, size);
    for (auto _ : state) {
        if (!grabber.present(frame))
            state.SkipWithError("frame dropped");
    }
    setCounters(state, size);
    label(state);
}

// The strip decode alone, each strip handed to a sink that does nothing: what the JPEG path
// costs before the row kernel (0: 32-bit strips, 1: 24-bit).
void BM_JpegStrips(benchmark::State &state)
{
    Fixture &f = fixture(int(state.range(0)));
    const QSize size = kSizes[state.range(0)];
    const auto *data = reinterpret_cast<const uchar *>(f.jpeg.constData());
    const auto format = state.range(1) ? JpegDecoder::Bgr : JpegDecoder::Bgrx;
    for (auto _ : state) {
        const bool ok = JpegDecoder::decodeStrips(
            data, f.jpeg.size(), size.width(), size.height(),
            [](const uchar *rows, int, int, int) { benchmark::DoNotOptimize(rows); }, format);
        if (!ok)
            state.SkipWithError("decode failed");
    }
    setCounters(state, size);
    state.SetLabel(state.range(1) ? "24-bit strips" : "32-bit strips");
}

// The toolkit's reader, which the grabber's JPEG path replaces.
void BM_QImageFromData(benchmark::State &state)
{
    Fixture &f = fixture(int(state.range(0)));
    for (auto _ : state) {
        QImage img = QImage::fromData(f.jpeg);
        benchmark::DoNotOptimize(img.constBits());
    }
    setCounters(state, kSizes[state.range(0)]);
}

void sizes(benchmark::internal::Benchmark *b)
{
    b->ArgName("size");
    for (int s = 0; s < 4; ++s)
        b->Arg(s);
    b->Unit(benchmark::kMillisecond);
}

// Every variant; those with a table once per kernel (0 portable, 1 AVX2, 2 AVX-512 VBMI; one
// the processor lacks runs the best it has, and the label says which ran). The full set at
// 1920x1080 and 3264x2448; the other sizes none and all, with the automatic kernel.
void sizesAndVariants(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"size", "variant", "kernel"});
    for (int s = 0; s < 4; ++s) {
        const bool full = s == 1 || s == 3;
        for (int v = None; v < VariantCount; ++v) {
            if (!full && v != None && v != All)
                continue;
            if (!usesTable(v) || !full) {
                b->Args({s, v, PixelKernels::Best});
                continue;
            }
            for (int k : {PixelKernels::Portable, PixelKernels::Avx2, PixelKernels::Avx512Vbmi})
                b->Args({s, v, k});
        }
    }
    b->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_Memcpy)->Apply(sizes);
BENCHMARK(BM_PresentRgb32)->Apply(sizesAndVariants);
BENCHMARK(BM_StepsRgb32)->Apply(sizes);
BENCHMARK(BM_TurboDecode)->Apply(sizes);
BENCHMARK(BM_PresentJpeg)->Apply(sizesAndVariants);
BENCHMARK(BM_JpegStrips)
    ->ArgsProduct({{1, 3}, {0, 1}})
    ->ArgNames({"size", "bgr"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QImageFromData)->Apply(sizes);

int main(int argc, char **argv)
{
    // The toolkit's image readers are plugins and need an application object.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

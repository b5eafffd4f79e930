// Per-frame GUI cost of the live view: copying a frame into the scene and repainting the viewer.
// Run by hand: build/bench/bench_camerascene (uses the offscreen platform unless one is set).

#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"
#include "scene/DisplayPicture.h"
#include "scene/GraphicsType.h"
#include "scene/MakeGraphicsItem.h"
#include "scene/MeasureResults.h"
#include "scene/ResultsWindow.h"

#include <QApplication>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

QImage testFrame(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
    }
    return image;
}

// The viewer size a host would choose to fit the picture into about 1200 x 800.
QSize fitted(QSize picture)
{
    return picture.scaled(QSize(1200, 800), Qt::KeepAspectRatio);
}

struct Viewer
{
    explicit Viewer(QSize picture, QSize widget)
    {
        view.resize(widget);
        view.show();
        scene()->setBaseImage(testFrame(picture.width(), picture.height()));
        scene()->updateCameraViewSize(picture);
        QCoreApplication::processEvents();
    }
    CameraScene *scene() { return view.scene(); }
    CameraViewer view;
};

void BM_SetBaseImage(benchmark::State &state)
{
    const QSize picture(int(state.range(0)), int(state.range(1)));
    CameraScene scene;
    const QImage frames[2] = {testFrame(picture.width(), picture.height()),
                              testFrame(picture.width(), picture.height()).mirrored()};
    int i = 0;
    for (auto _ : state) {
        scene.setBaseImage(frames[i ^= 1]);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * frames[0].sizeInBytes());
}

// One live frame: setBaseImage and a full synchronous repaint of the viewer; the last argument
// adds the crosshair, date and recording indicator (1), and the scale bar too (2).
void BM_FrameAndPaint(benchmark::State &state)
{
    const QSize picture(int(state.range(0)), int(state.range(1)));
    const bool oneToOne = state.range(2) != 0;
    const bool overlays = state.range(3) != 0;
    const bool scaleBar = state.range(3) > 1;
    Viewer viewer(picture, oneToOne ? picture : fitted(picture));
    viewer.scene()->showGrid(overlays);
    viewer.scene()->showTime(overlays);
    viewer.scene()->setRecord(overlays);
    if (scaleBar) {
        BDInfo calibration;
        calibration.ratio = 800.0 / picture.width();
        calibration.unit = 2;
        viewer.scene()->setBDInfo(calibration);
        viewer.scene()->showScaleBar(true, Preferences::Corner::BottomRight);
    }
    const QImage frames[2] = {testFrame(picture.width(), picture.height()),
                              testFrame(picture.width(), picture.height()).mirrored()};
    int i = 0;
    for (auto _ : state) {
        viewer.scene()->setBaseImage(frames[i ^= 1]);
        viewer.view.viewport()->repaint();
    }
    state.SetLabel(QStringLiteral("view %1x%2%3")
                       .arg(viewer.view.width())
                       .arg(viewer.view.height())
                       .arg(scaleBar   ? " +overlays +scale bar"
                            : overlays ? " +overlays"
                                       : "")
                       .toStdString());
}

// The picture pass alone, nearest-pixel against smoothed scaling.
void BM_DrawScaled(benchmark::State &state)
{
    const QSize picture(int(state.range(0)), int(state.range(1)));
    const bool smooth = state.range(2) != 0;
    const QPixmap pixmap = QPixmap::fromImage(testFrame(picture.width(), picture.height()));
    const QSize target = fitted(picture);
    QImage device(target, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&device);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        painter.drawPixmap(QRectF(QPointF(0, 0), QSizeF(target)), pixmap, QRectF(pixmap.rect()));
    }
    state.SetLabel(smooth ? "smooth" : "nearest");
}

// The picture pass as the live view does it now: the frame scaled with a filter once (halving
// by 2 x 2 averages, then bilinear), then copied into the view. Compare with BM_DrawScaled.
void BM_DrawFiltered(benchmark::State &state)
{
    const QSize picture(int(state.range(0)), int(state.range(1)));
    const QImage frame = testFrame(picture.width(), picture.height());
    const QSize target = fitted(picture);
    QImage device(target, QImage::Format_RGB32);
    DisplayPicture display;
    for (auto _ : state) {
        display.invalidate(); // a new frame each time
        QPainter painter(&device);
        painter.drawImage(QPoint(0, 0), display.image(frame, target));
    }
    state.SetLabel("filtered");
}

// A recording frame: the scene rendered at picture resolution into a render buffer.
void BM_RenderBuffer(benchmark::State &state)
{
    const QSize picture(int(state.range(0)), int(state.range(1)));
    Viewer viewer(picture, fitted(picture));
    viewer.scene()->showTime(true);
    viewer.scene()->initRendefBuffer();
    for (auto _ : state) {
        CameraBuffer *buffer = viewer.scene()->rendefBuffer();
        if (!buffer) {
            state.SkipWithError("no free buffer");
            break;
        }
        buffer->releaseBuffer();
    }
}

// One drag step of one line among `items` with the select tool, and what the GUI thread does
// about it before the next: the scene's own part (the move; the viewer is not shown, so no
// scene paint), then with `mode` 1 the results model's row, with 2 also the results window's
// repaint and summary. Side by side, the differences are the results table's cost.
void BM_ResultsDrag(benchmark::State &state)
{
    const int items = int(state.range(0));
    const int mode = int(state.range(1));
    CameraScene scene;
    scene.setBaseImage(testFrame(1920, 1080));
    scene.setEditable(true);
    for (int i = 0; i < items; ++i) {
        GraphicsItemData data;
        data.type = GraphicsType::Line;
        const QPointF start(10 + (i / 50) * 150, 10 + (i % 50) * 20);
        data.points = {start, start + QPointF(100, 5)};
        GraphicsItem *item = MakeGraphicsItem(data.type);
        item->restore(data);
        scene.addGraphic(item);
    }
    std::unique_ptr<MeasureResults> results(mode >= 1 ? new MeasureResults(&scene) : nullptr);
    std::unique_ptr<ResultsWindow> window(mode == 2 ? new ResultsWindow(results.get(), nullptr)
                                                    : nullptr);
    if (window) {
        window->show();
        QCoreApplication::processEvents();
    }
    scene.setGraphicType(GraphicsType::Select);
    const QPointF end = scene.graphics().at(items / 2)->keyPoint(1);
    auto send = [&scene](QEvent::Type type, QPointF p, Qt::MouseButtons buttons) {
        QGraphicsSceneMouseEvent event(type);
        event.setScenePos(p);
        event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
        event.setButtons(buttons);
        QCoreApplication::sendEvent(&scene, &event);
    };
    send(QEvent::GraphicsSceneMousePress, end, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        send(QEvent::GraphicsSceneMouseMove, end + QPointF((++step & 1) ? 1.0 : 0.0, 0.0),
             Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    send(QEvent::GraphicsSceneMouseRelease, end, Qt::NoButton);
    state.SetLabel(mode == 0 ? "scene only" : mode == 1 ? "with model" : "with window");
}

void pictureSizes(benchmark::internal::Benchmark *b)
{
    b->Args({1920, 1080})->Args({3264, 2448});
}

void paintCases(benchmark::internal::Benchmark *b)
{
    for (const auto &size : {std::pair<int, int>{1920, 1080}, {3264, 2448}})
        for (int oneToOne : {0, 1})
            b->Args({size.first, size.second, oneToOne, 0});
    b->Args({1920, 1080, 0, 1});
    b->Args({1920, 1080, 0, 2});
}

void scaleCases(benchmark::internal::Benchmark *b)
{
    for (const auto &size : {std::pair<int, int>{1920, 1080}, {3264, 2448}})
        for (int smooth : {0, 1})
            b->Args({size.first, size.second, smooth});
}

} // namespace

BENCHMARK(BM_SetBaseImage)->Apply(pictureSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameAndPaint)->Apply(paintCases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawScaled)->Apply(scaleCases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawFiltered)->Apply(pictureSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderBuffer)->Apply(pictureSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResultsDrag)->ArgsProduct({{50, 500}, {0, 1, 2}})->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Whether the pixmap made from a frame shares its bytes or converts them.
    const QImage frame = testFrame(64, 48);
    for (QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_ARGB32}) {
        const QImage image = frame.convertToFormat(format);
        const QPixmap pixmap = QPixmap::fromImage(image);
        std::printf("QPixmap::fromImage, format %d: %s\n", int(format),
                    pixmap.toImage().constBits() == image.constBits() ? "shares the bytes"
                                                                      : "converts (copy)");
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

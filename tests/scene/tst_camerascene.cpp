#include "capture/CameraBuffer.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"
#include "scene/GraphicsItem.h"
#include "scene/GraphicsMeasureItem.h"
#include "scene/MakeGraphicsItem.h"

#include <QGraphicsRectItem>
#include <QPainter>
#include <QScrollBar>
#include <QtTest>

namespace {

// A picture whose four quadrants have different colours, so stretching and offsets show.
QImage quadrants(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h / 2, Qt::red);
    p.fillRect(w / 2, 0, w - w / 2, h / 2, Qt::green);
    p.fillRect(0, h / 2, w / 2, h - h / 2, Qt::blue);
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, Qt::yellow);
    return image;
}

QImage filled(int w, int h, QColor colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(w, h, format);
    image.fill(colour);
    return image;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

GraphicsItem *makeLine(QPointF a, QPointF b)
{
    GraphicsItem *item = MakeGraphicsItem(GraphicsType::Line);
    GraphicsItemData data;
    data.type = GraphicsType::Line;
    data.points = {a, b};
    item->restore(data);
    return item;
}

bool rowTouched(const QImage &image, int x, int y0, int y1, QColor background)
{
    for (int y = y0; y <= y1; ++y)
        if (QColor(image.pixel(x, y)) != background)
            return true;
    return false;
}

} // namespace

class tst_CameraScene : public QObject
{
    Q_OBJECT

private slots:
    void scaleFactors_data();
    void scaleFactors();
    void displayPoints_data();
    void displayPoints();
    void viewPoints();
    void clampedReadout_data();
    void clampedReadout();
    void readoutAtRightEdge();
    void renderCarriesCrosshairNotRecording();
    void renderWithoutPicture();
    void renderBuffers();
    void sameLayoutKeepsBufferAndItems();
    void itemsDrawnInViewPixels();
    void measuringHidesItems();
    void frameOfOtherSizeDropsItems();
    void flatItemsShowInView();
    void otherLayoutClearsItems_data();
    void otherLayoutClearsItems();
    void baseImageIsDeepCopy();
    void paddedAndIndexedPictures();
    void wheelChangesNothing();
    void onePaintPerFrame();
    void elapsedTexts_data();
    void elapsedTexts();
};

void tst_CameraScene::scaleFactors_data()
{
    QTest::addColumn<QSize>("viewer");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<double>("xscale");
    QTest::addColumn<double>("yscale");

    QTest::newRow("stretched up") << QSize(1280, 720) << QSize(640, 480) << 2.0 << 1.5;
    QTest::newRow("half") << QSize(320, 240) << QSize(640, 480) << 0.5 << 0.5;
    QTest::newRow("one to one") << QSize(640, 480) << QSize(640, 480) << 1.0 << 1.0;
}

void tst_CameraScene::scaleFactors()
{
    QFETCH(QSize, viewer);
    QFETCH(QSize, picture);
    QFETCH(double, xscale);
    QFETCH(double, yscale);

    CameraViewer view;
    view.resize(viewer);
    CameraScene *scene = view.scene();
    scene->setBaseImage(quadrants(picture.width(), picture.height()));
    scene->updateCameraViewSize(picture);
    QCOMPARE(scene->xscale(), xscale);
    QCOMPARE(scene->yscale(), yscale);
    QCOMPARE(scene->sceneRect(), QRectF(QPoint(0, 0), picture));

    // The picture fills the whole widget: each corner shows its quadrant.
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage shot = view.viewport()->grab().toImage();
    QCOMPARE(shot.size(), viewer);
    QCOMPARE(QColor(shot.pixel(0, 0)), QColor(Qt::red));
    QCOMPARE(QColor(shot.pixel(viewer.width() - 1, 0)), QColor(Qt::green));
    QCOMPARE(QColor(shot.pixel(0, viewer.height() - 1)), QColor(Qt::blue));
    QCOMPARE(QColor(shot.pixel(viewer.width() - 1, viewer.height() - 1)), QColor(Qt::yellow));
}

void tst_CameraScene::displayPoints_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("display");

    QTest::newRow("top left") << QSize(640, 480) << QPoint(0, 0) << QPoint(-320, 240);
    QTest::newRow("centre") << QSize(640, 480) << QPoint(320, 240) << QPoint(0, 0);
    QTest::newRow("bottom right") << QSize(640, 480) << QPoint(639, 479) << QPoint(319, -239);
    QTest::newRow("odd size halves down") << QSize(5, 3) << QPoint(0, 0) << QPoint(-2, 1);
}

void tst_CameraScene::displayPoints()
{
    QFETCH(QSize, picture);
    QFETCH(QPoint, point);
    QFETCH(QPoint, display);

    QCOMPARE(pictureToDisplay(point, picture), display);
    CameraScene scene;
    scene.setBaseImage(filled(picture.width(), picture.height(), Qt::gray));
    QCOMPARE(scene.toDispPoint(point), display);
}

void tst_CameraScene::viewPoints()
{
    CameraViewer view;
    view.resize(1280, 720);
    CameraScene *scene = view.scene();
    scene->setBaseImage(filled(640, 480, Qt::gray));
    scene->updateCameraViewSize(QSize(640, 480));
    QCOMPARE(scene->toViewPoint(QPointF(10, 10)), QPointF(20, 15));
    // Whole view pixels: items draw on the pixel grid.
    QCOMPARE(scene->toViewPoint(QPointF(10.2, 10.2)), QPointF(20, 15));
    QCOMPARE(scene->toViewPoint(QPointF(640, 480)), QPointF(1280, 720));

    CameraScene alone;
    QCOMPARE(alone.toViewPoint(QPointF(3.5, 4.5)), QPointF(3.5, 4.5));
}

void tst_CameraScene::clampedReadout_data()
{
    QTest::addColumn<QPointF>("scenePos");
    QTest::addColumn<QPoint>("pixel");

    QTest::newRow("inside") << QPointF(10.4, 20.6) << QPoint(10, 21);
    QTest::newRow("right edge rounds up") << QPointF(199.5, 10) << QPoint(199, 10);
    QTest::newRow("beyond right and bottom") << QPointF(250, 180) << QPoint(199, 149);
    QTest::newRow("left and above") << QPointF(-3, -0.7) << QPoint(0, 0);
}

void tst_CameraScene::clampedReadout()
{
    QFETCH(QPointF, scenePos);
    QFETCH(QPoint, pixel);
    QCOMPARE(clampToPicture(scenePos, QSize(200, 150)), pixel);
}

void tst_CameraScene::readoutAtRightEdge()
{
    CameraViewer view;
    view.resize(400, 300);
    CameraScene *scene = view.scene();
    scene->setBaseImage(quadrants(200, 150));
    scene->updateCameraViewSize(QSize(200, 150));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QSignalSpy spy(scene, &CameraScene::coorInfo);
    // The last view column lies half a picture pixel past the picture's right edge.
    QCursor::setPos(view.viewport()->mapToGlobal(QPoint(399, 2)));
    scene->onZoomTimeOut();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toPoint(), QPoint(199, 1));
    QCOMPARE(spy.at(0).at(1).value<QColor>(), QColor(Qt::green));

    // A real mouse move reports too.
    QTest::mouseMove(view.viewport(), QPoint(10, 10));
    QTRY_VERIFY(spy.count() >= 2);
    QCOMPARE(spy.last().at(0).toPoint(), QPoint(5, 5));
    QCOMPARE(spy.last().at(1).value<QColor>(), QColor(Qt::red));
    spy.clear();

    // Outside the viewer: no read-out.
    QCursor::setPos(view.viewport()->mapToGlobal(QPoint(450, 2)));
    scene->onZoomTimeOut();
    QCOMPARE(spy.count(), 0);

    // Hidden viewer: no read-out either.
    QCursor::setPos(view.viewport()->mapToGlobal(QPoint(10, 10)));
    view.hide();
    scene->onZoomTimeOut();
    QCOMPARE(spy.count(), 0);
}

void tst_CameraScene::renderCarriesCrosshairNotRecording()
{
    CameraViewer view;
    view.resize(320, 240); // half size: the render must still be at picture resolution
    CameraScene *scene = view.scene();
    const QImage picture = filled(64, 48, QColor(128, 128, 128));
    scene->setBaseImage(picture);
    scene->updateCameraViewSize(picture.size());

    scene->setRecord(true);
    QCOMPARE(scene->renderImage(), picture);

    scene->showGrid(true);
    const QImage image = scene->renderImage();
    QCOMPARE(image.size(), picture.size());
    QCOMPARE(image.format(), QImage::Format_RGB32);
    const QColor blue(0, 0, 255);
    const QColor grey(128, 128, 128);
    for (int x = 0; x < 64; ++x) {
        QCOMPARE(QColor(image.pixel(x, 24)), blue);
        if (x != 32) {
            QCOMPARE(QColor(image.pixel(x, 23)), grey);
            QCOMPARE(QColor(image.pixel(x, 25)), grey);
        }
    }
    for (int y = 0; y < 48; ++y) {
        QCOMPARE(QColor(image.pixel(32, y)), blue);
        if (y != 24) {
            QCOMPARE(QColor(image.pixel(31, y)), grey);
            QCOMPARE(QColor(image.pixel(33, y)), grey);
        }
    }
    QVERIFY(!scene->isRendering());
}

void tst_CameraScene::renderWithoutPicture()
{
    CameraScene scene;
    QVERIFY(scene.renderImage().isNull());
    scene.setSceneRect(0, 0, 8, 6);
    const QImage image = scene.renderImage();
    QCOMPARE(image.size(), QSize(8, 6));
    QCOMPARE(QColor(image.pixel(4, 3)), QColor(Qt::black));
}

void tst_CameraScene::renderBuffers()
{
    CameraScene scene;
    const QImage picture = filled(32, 24, QColor(10, 20, 30));
    scene.setBaseImage(picture);
    QVERIFY(!scene.rendefBuffer()); // not prepared yet

    scene.initRendefBuffer();
    scene.setRecord(true);
    QVector<CameraBuffer *> held;
    for (int i = 0; i < CameraScene::RenderBufferCount; ++i) {
        CameraBuffer *buffer = scene.rendefBuffer();
        QVERIFY(buffer);
        QVERIFY(!held.contains(buffer));
        QVERIFY(buffer->isLocked());
        QCOMPARE(buffer->getBufferSize(), picture.size());
        QCOMPARE(buffer->toImage(), picture); // no recording indicator in the video
        held << buffer;
    }
    QVERIFY(!scene.rendefBuffer());

    held.at(2)->releaseBuffer();
    scene.showGrid(true);
    CameraBuffer *again = scene.rendefBuffer();
    QCOMPARE(again, held.at(2));
    QCOMPARE(QColor(again->toImage().pixel(0, 12)), QColor(0, 0, 255));
    QVERIFY(!scene.rendefBuffer());
    for (CameraBuffer *buffer : held)
        buffer->releaseBuffer();

    // A bigger picture during a recording is drawn into the buffers' own size.
    scene.setBaseImage(filled(64, 48, Qt::white));
    CameraBuffer *buffer = scene.rendefBuffer();
    QVERIFY(buffer);
    QCOMPARE(buffer->getBufferSize(), picture.size());
    QCOMPARE(QColor(buffer->toImage().pixel(2, 2)), QColor(Qt::white));
    buffer->releaseBuffer();
}

void tst_CameraScene::sameLayoutKeepsBufferAndItems()
{
    CameraScene scene;
    scene.setBaseImage(filled(64, 48, Qt::red));
    const uchar *buffer = scene.frameBufferData();
    QVERIFY(buffer);
    auto *item = new QGraphicsRectItem(0, 0, 10, 10);
    scene.addItem(item);

    scene.setBaseImage(filled(64, 48, Qt::green));
    QCOMPARE(scene.frameBufferData(), buffer);
    QCOMPARE(scene.items().size(), 1);
    QCOMPARE(QColor(scene.baseImage().pixel(5, 5)), QColor(Qt::green));
    QCOMPARE(QColor(scene.renderImage().pixel(5, 5)), QColor(Qt::green));
}

void tst_CameraScene::itemsDrawnInViewPixels()
{
    const QColor grey(128, 128, 128);
    CameraViewer view;
    view.resize(800, 600);
    CameraScene *scene = view.scene();
    scene->setBaseImage(filled(400, 300, grey));
    scene->updateCameraViewSize(QSize(400, 300));
    scene->addGraphic(makeLine(QPointF(20, 50), QPointF(380, 50)));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    // At twice the size the line lies at view row 100 and keeps its thin pen.
    const QImage shot = view.viewport()->grab().toImage();
    QVERIFY(rowTouched(shot, 400, 99, 101, grey));
    QVERIFY(!rowTouched(shot, 400, 45, 55, grey));
    QVERIFY(!rowTouched(shot, 400, 104, 110, grey));

    // In a render it lies at picture row 50.
    const QImage image = scene->renderImage();
    QVERIFY(rowTouched(image, 200, 49, 51, grey));
    QVERIFY(!rowTouched(image, 200, 95, 105, grey));
}

void tst_CameraScene::measuringHidesItems()
{
    const QColor grey(128, 128, 128);
    CameraScene scene;
    scene.setBaseImage(filled(400, 300, grey));
    scene.addGraphic(makeLine(QPointF(20, 50), QPointF(380, 50)));
    QVERIFY(rowTouched(scene.renderImage(), 200, 49, 51, grey));

    scene.setMeasure(true);
    GraphicsMeasureItem *measure = scene.measureItem();
    QVERIFY(measure);
    QVERIFY(measure->isVaild());
    QCOMPARE(measure->keyPoint(0), QPointF(100, 150));
    QCOMPARE(measure->keyPoint(1), QPointF(300, 150));
    scene.setMeasure(true); // a second call keeps the same segment
    QCOMPARE(scene.measureItem(), measure);

    const QImage measuring = scene.renderImage();
    QVERIFY(!rowTouched(measuring, 200, 45, 55, grey));
    QVERIFY(rowTouched(measuring, 200, 149, 151, grey));

    scene.setMeasure(false);
    QVERIFY(!scene.measureItem());
    const QImage after = scene.renderImage();
    QVERIFY(rowTouched(after, 200, 49, 51, grey));
    QVERIFY(!rowTouched(after, 200, 145, 155, grey));
}

void tst_CameraScene::flatItemsShowInView()
{
    // Horizontal segments have flat bounding boxes; the view must still draw them.
    const QColor grey(128, 128, 128);
    CameraViewer view;
    view.resize(400, 300);
    CameraScene *scene = view.scene();
    scene->setBaseImage(filled(400, 300, grey));
    scene->updateCameraViewSize(QSize(400, 300));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    scene->setMeasure(true);
    QVERIFY(rowTouched(view.viewport()->grab().toImage(), 200, 149, 151, grey));
    scene->setMeasure(false);
    scene->addGraphic(makeLine(QPointF(20, 50), QPointF(380, 50)));
    QVERIFY(rowTouched(view.viewport()->grab().toImage(), 200, 49, 51, grey));
}

void tst_CameraScene::frameOfOtherSizeDropsItems()
{
    CameraScene scene;
    scene.setBaseImage(filled(400, 300, Qt::gray));
    scene.addGraphic(makeLine(QPointF(20, 50), QPointF(380, 50)));
    scene.setMeasure(true);
    QVERIFY(!scene.isEmpty());

    scene.setBaseImage(filled(400, 300, Qt::white));
    QCOMPARE(scene.graphics().size(), 1);
    QVERIFY(scene.measureItem());

    scene.setBaseImage(filled(320, 240, Qt::white));
    QVERIFY(scene.isEmpty());
    QVERIFY(!scene.measureItem());
    QVERIFY(scene.items().isEmpty());
    QCOMPARE(scene.renderImage().size(), QSize(320, 240)); // no dangling item is painted
}

void tst_CameraScene::otherLayoutClearsItems_data()
{
    QTest::addColumn<QImage>("next");

    QTest::newRow("other resolution") << filled(32, 24, Qt::green);
    QTest::newRow("same bytes, turned") << filled(48, 64, Qt::green);
    QTest::newRow("same bytes, other format")
        << filled(64, 48, Qt::green, QImage::Format_ARGB32_Premultiplied);
}

void tst_CameraScene::otherLayoutClearsItems()
{
    QFETCH(QImage, next);

    CameraScene scene;
    scene.setBaseImage(filled(64, 48, Qt::red));
    scene.addItem(new QGraphicsRectItem(0, 0, 10, 10));
    QCOMPARE(scene.items().size(), 1);

    scene.setBaseImage(next);
    QVERIFY(scene.items().isEmpty());
    QVERIFY(scene.isEmpty());
    QCOMPARE(scene.sceneRect(), QRectF(next.rect()));
    const QImage shown = scene.baseImage();
    QCOMPARE(shown.size(), next.size());
    QCOMPARE(QColor(shown.pixel(next.width() - 1, next.height() - 1)), QColor(Qt::green));
}

void tst_CameraScene::baseImageIsDeepCopy()
{
    CameraScene scene;
    scene.setBaseImage(filled(16, 16, Qt::red));
    const QImage copy = scene.baseImage();
    scene.setBaseImage(filled(16, 16, Qt::blue));
    QCOMPARE(QColor(copy.pixel(3, 3)), QColor(Qt::red));

    scene.clear();
    QVERIFY(scene.baseImage().isNull());
    QVERIFY(!scene.frameBufferData());
    QCOMPARE(QColor(copy.pixel(3, 3)), QColor(Qt::red));
}

void tst_CameraScene::paddedAndIndexedPictures()
{
    // A frame wrapped with padded rows.
    QVector<uchar> bytes(40 * 3, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 8; ++x)
            reinterpret_cast<QRgb *>(bytes.data() + y * 40)[x] = qRgb(10 * x, 20 * y, 0);
    const QImage padded(bytes.constData(), 8, 3, 40, QImage::Format_RGB32);
    CameraScene scene;
    scene.setBaseImage(padded);
    QCOMPARE(scene.renderImage().pixel(7, 2), qRgb(70, 40, 0));

    // Colour tables do not survive a byte copy; the picture must still look the same.
    QImage indexed(4, 4, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 128, 0)});
    indexed.fill(1);
    scene.setBaseImage(indexed);
    QCOMPARE(scene.renderImage().pixel(1, 1), qRgb(255, 128, 0));
}

void tst_CameraScene::wheelChangesNothing()
{
    CameraViewer view;
    view.resize(300, 200);
    CameraScene *scene = view.scene();
    scene->setBaseImage(filled(600, 400, Qt::gray));
    scene->updateCameraViewSize(QSize(600, 400));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QTransform before = view.transform();
    const int h = view.horizontalScrollBar()->value();
    const int v = view.verticalScrollBar()->value();

    for (int delta : {120, -120}) {
        QWheelEvent wheel(QPointF(50, 50), QPointF(view.viewport()->mapToGlobal(QPoint(50, 50))),
                          QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &wheel);
    }
    QCOMPARE(view.transform(), before);
    QCOMPARE(view.horizontalScrollBar()->value(), h);
    QCOMPARE(view.verticalScrollBar()->value(), v);
    QCOMPARE(scene->xscale(), 0.5);
}

void tst_CameraScene::onePaintPerFrame()
{
    CameraViewer view;
    view.resize(320, 240);
    CameraScene *scene = view.scene();
    scene->setBaseImage(filled(64, 48, Qt::gray));
    scene->updateCameraViewSize(QSize(64, 48));
    PaintCounter paints(view.viewport());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_VERIFY(paints.count > 0);
    QVERIFY(view.fps().sampleCount() > 0);
    QCoreApplication::processEvents();
    const int before = paints.count;

    // A frame with overlay switches in between still costs a single paint.
    scene->setBaseImage(filled(64, 48, Qt::red));
    scene->showGrid(true);
    scene->showTime(true);
    QTRY_COMPARE(paints.count, before + 1);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QCOMPARE(paints.count, before + 1);
}

void tst_CameraScene::elapsedTexts_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("text");

    QTest::newRow("start") << qint64(0) << "00:00:00";
    QTest::newRow("under a second") << qint64(999) << "00:00:00";
    QTest::newRow("minutes") << qint64(61000) << "00:01:01";
    QTest::newRow("past a day") << qint64(25 * 3600 * 1000 + 5000) << "25:00:05";
}

void tst_CameraScene::elapsedTexts()
{
    QFETCH(qint64, ms);
    QFETCH(QString, text);
    QCOMPARE(elapsedText(ms), text);
}

QTEST_MAIN(tst_CameraScene)
#include "tst_camerascene.moc"

#include "ModalAnswerer.h"
#include "PaintRecorder.h"

#include "config/Config.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"
#include "scene/GraphicsItem.h"
#include "scene/GraphicsMeasureItem.h"
#include "scene/GraphicsTextItem.h"

#include <QInputDialog>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QtTest>

#include <memory>

using Points = QVector<QPointF>;

namespace {

const QString px2 = QStringLiteral("px") + QChar(0x00B2);

// A viewer showing a 640 x 480 picture at the given zoom, editable, as the hosts set it up.
// Mouse events go to the viewer's drawing area at view coordinates, so the view's own mapping
// from view to picture pixels takes part.
class Stage
{
public:
    explicit Stage(double zoom = 1.0)
        : zoom(zoom)
    {
        view.resize(int(640 * zoom), int(480 * zoom));
        scene = view.scene();
        scene->setConfig(&config);
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(QColor(90, 110, 100));
        scene->setBaseImage(picture);
        scene->updateCameraViewSize(picture.size());
        scene->setGraphicType(0x10002);
        scene->setEditable(true);
        view.show();
    }

    QPoint at(const QPointF &p) const { return QPoint(qRound(p.x() * zoom), qRound(p.y() * zoom)); }

    void send(QEvent::Type type, const QPointF &p, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget *viewport = view.viewport();
        const QPoint pos = at(p);
        QMouseEvent event(type, pos, viewport->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    void move(const QPointF &p, Qt::MouseButtons held = Qt::NoButton)
    {
        send(QEvent::MouseMove, p, Qt::NoButton, held);
    }
    void press(const QPointF &p, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonPress, p, button, button);
    }
    void release(const QPointF &p, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonRelease, p, button, Qt::NoButton);
    }
    // What a person does: move there, press, let go.
    void click(const QPointF &p, Qt::MouseButton button = Qt::LeftButton)
    {
        move(p);
        press(p, button);
        release(p, button);
    }
    void clicks(const Points &points)
    {
        for (const QPointF &p : points)
            click(p);
    }
    void drag(const QPointF &from, const Points &steps)
    {
        move(from);
        press(from);
        for (const QPointF &p : steps)
            move(p, Qt::LeftButton);
        release(steps.isEmpty() ? from : steps.last());
    }
    // One finished item drawn with the given tool.
    GraphicsItem *draw(int tool, const Points &points)
    {
        scene->setGraphicType(tool);
        clicks(points);
        return scene->graphics().isEmpty() ? nullptr : scene->graphics().last();
    }

    Points pointsOf(int i) const { return scene->graphics().at(i)->keyPoints(); }
    int entries() const { return scene->commandStack().size(); }

    double zoom;
    Config config;
    CameraViewer view;
    CameraScene *scene = nullptr;
};

std::unique_ptr<PaintRecorder> paint(GraphicsItem *item)
{
    auto rec = std::make_unique<PaintRecorder>();
    QPainter painter(rec.get());
    item->draw(painter);
    return rec;
}

} // namespace

class tst_SceneInteraction : public QObject
{
    Q_OBJECT

private slots:
    void drawEachKind_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("tool");
        QTest::addColumn<Points>("clicks");
        QTest::addColumn<Points>("rightClick"); // empty or one point
        QTest::addColumn<int>("points");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QPointF>("anchor"); // picture point the first label hangs below

        for (double zoom : {1.0, 2.0}) {
            const QByteArray z = zoom == 1.0 ? " @1" : " @2";
            QTest::newRow("point" + z) << zoom << 0x10002 << Points{{100, 100}} << Points{} << 1
                                       << QStringList{"-0220,0140"} << QPointF(100, 100);
            QTest::newRow("line" + z) << zoom << 0x10003 << Points{{10, 20}, {40, 60}} << Points{}
                                      << 2 << QStringList{"L:50.0000 px"} << QPointF(10, 20);
            QTest::newRow("broken line" + z)
                << zoom << 0x10004 << Points{{100, 100}, {130, 140}, {130, 200}}
                << Points{{400, 300}} << 3 << QStringList{"L:110.0000 px"} << QPointF(100, 100);
            QTest::newRow("rectangle" + z)
                << zoom << 0x10005 << Points{{50, 20}, {10, 50}} << Points{} << 2
                << QStringList{"S:1200.0000 " + px2} << QPointF(50, 20);
            QTest::newRow("polygon" + z)
                << zoom << 0x10006 << Points{{100, 100}, {110, 100}, {110, 110}, {100, 110}}
                << Points{{103, 103}} << 4 << QStringList{"S:100.0000 " + px2} << QPointF(100, 100);
            QTest::newRow("parallel" + z)
                << zoom << 0x10007 << Points{{100, 100}, {300, 100}, {150, 180}, {400, 250}}
                << Points{} << 4 << QStringList{"D:80.0000 px"} << QPointF(100, 100);
            QTest::newRow("perpendicular" + z)
                << zoom << 0x10008 << Points{{100, 100}, {200, 100}, {150, 180}} << Points{} << 3
                << QStringList{"D:80.0000 px"} << QPointF(100, 100);
            QTest::newRow("crosshair" + z) << zoom << 0x10009 << Points{{100, 100}, {200, 150}}
                                           << Points{} << 1 << QStringList{} << QPointF();
            QTest::newRow("angle" + z)
                << zoom << 0x1000a << Points{{300, 200}, {200, 200}, {200, 300}} << Points{} << 3
                << QStringList{"A:90.00 deg"} << QPointF(200, 200);
            QTest::newRow("angle reversed" + z)
                << zoom << 0x1000a << Points{{200, 300}, {200, 200}, {300, 200}} << Points{} << 3
                << QStringList{"A:-90.00 deg"} << QPointF(200, 200);
            QTest::newRow("arc" + z)
                << zoom << 0x1000b << Points{{110, 100}, {100, 90}, {90, 100}} << Points{} << 3
                << QStringList{"C:31.4159 px"} << QPointF(110, 100);
            QTest::newRow("circle" + z)
                << zoom << 0x1000c << Points{{100, 100}, {103, 104}} << Points{} << 2
                << QStringList{"R:5.0000 px"} << QPointF(100, 100);
            QTest::newRow("two-point circle" + z)
                << zoom << 0x1000d << Points{{100, 100}, {110, 100}} << Points{} << 2
                << QStringList{"D:10.0000 px"} << QPointF(100, 100);
            QTest::newRow("three-point circle" + z)
                << zoom << 0x1000e << Points{{100, 100}, {102, 100}, {100, 102}} << Points{} << 3
                << QStringList{"R:1.4142 px"} << QPointF(100, 100);
            QTest::newRow("concentric" + z)
                << zoom << 0x1000f << Points{{100, 100}, {103, 104}, {100, 110}} << Points{} << 3
                << QStringList{"R1:5.0000 px", "R2:10.0000 px"} << QPointF(100, 100);
            QTest::newRow("two circles" + z)
                << zoom << 0x10010 << Points{{100, 100}, {103, 104}, {200, 100}, {206, 108}}
                << Points{} << 4 << QStringList{"L:100.0000 px"} << QPointF(100, 100);
        }
    }

    void drawEachKind()
    {
        QFETCH(double, zoom);
        QFETCH(int, tool);
        QFETCH(Points, clicks);
        QFETCH(Points, rightClick);
        QFETCH(QStringList, labels);
        QFETCH(QPointF, anchor);

        Stage stage(zoom);
        stage.scene->setGraphicType(tool);
        stage.move(clicks.first());
        QCOMPARE(stage.scene->cursor().shape(), Qt::CrossCursor);
        for (int i = 0; i < clicks.size(); ++i) {
            // Unfinished until the last click (or the right click).
            QVERIFY(stage.scene->graphics().isEmpty());
            stage.click(clicks.at(i));
        }
        if (!rightClick.isEmpty()) {
            QVERIFY(stage.scene->newGraphic());
            stage.click(rightClick.first(), Qt::RightButton);
        }

        QVERIFY(!stage.scene->newGraphic());
        QCOMPARE(stage.scene->graphics().size(), 1);
        QCOMPARE(stage.entries(), 1);
        GraphicsItem *item = stage.scene->graphics().first();
        QCOMPARE(item->type(), tool);
        QVERIFY(item->isVaild());
        QTEST(item->keyPointCount(), "points");
        // The right-click point only ends the item.
        if (!rightClick.isEmpty())
            QCOMPARE(item->keyPoints(), clicks);

        // Zoom moves the drawing, never the value.
        const auto rec = paint(item);
        QCOMPARE(rec->textList(), labels);
        const int fs = stage.config.style.fontSize();
        if (!labels.isEmpty())
            QCOMPARE(rec->texts.first().pos,
                     QPointF(int(anchor.x() * zoom), int(anchor.y() * zoom + fs)));
    }

    void pointMarkShows()
    {
        // A point is a dot a few pixels across, not a single pixel lost in the picture.
        Stage stage;
        stage.draw(0x10002, {{100, 100}});
        const QImage shot = stage.scene->renderImage();
        const QColor background(90, 110, 100);
        for (const QPoint &p : {QPoint(100, 100), QPoint(102, 100), QPoint(100, 98)})
            QVERIFY2(QColor(shot.pixel(p)) != background, qPrintable(QString::number(p.x())));
        QCOMPARE(QColor(shot.pixel(105, 100)), background);
    }

    void textNote_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("made");
        QTest::newRow("accepted") << true << QStringLiteral("焊点 A") << true;
        QTest::newRow("cancelled") << false << QStringLiteral("焊点 A") << false;
        QTest::newRow("accepted blank") << true << QStringLiteral("  ") << false;
    }

    void textNote()
    {
        QFETCH(bool, accept);
        QFETCH(QString, typed);
        QFETCH(bool, made);

        Stage stage(2.0);
        stage.scene->setGraphicType(0x10013);
        const ModalAnswerer answer({}, typeText(accept ? typed : QString()));
        stage.click({100, 100});
        QCOMPARE(answer.answered(), 1);
        QCOMPARE(answer.texts.value(0), QStringLiteral("文字"));
        QCOMPARE(answer.titles.value(0), QString());
        QVERIFY(!stage.scene->newGraphic());
        QCOMPARE(stage.scene->graphics().size(), made ? 1 : 0);
        QCOMPARE(stage.entries(), made ? 1 : 0);
        if (!made)
            return;

        auto *item = static_cast<GraphicsTextItem *>(stage.scene->graphics().first());
        QCOMPARE(item->keyPoints(), Points{QPointF(100, 100)});
        const auto rec = paint(item);
        QCOMPARE(rec->textList().join(QString()), typed);
        QCOMPARE(rec->texts.first().pos, QPointF(200, 200 + stage.config.style.fontSize()));

        // The note keeps its words through undo and redo.
        stage.scene->undo();
        QVERIFY(stage.scene->graphics().isEmpty());
        stage.scene->redo();
        QCOMPARE(stage.scene->graphics().size(), 1);
        item = static_cast<GraphicsTextItem *>(stage.scene->graphics().first());
        QCOMPARE(item->text(), typed);
    }

    void fastSecondClickCounts()
    {
        // The platform reports a quick second click as a double click; it still places a point.
        Stage stage;
        stage.scene->setGraphicType(0x10003);
        stage.click({100, 100});
        stage.send(QEvent::MouseButtonDblClick, {103, 104}, Qt::LeftButton, Qt::LeftButton);
        stage.release({103, 104});
        QCOMPARE(stage.scene->graphics().size(), 1);
        QCOMPARE(paint(stage.scene->graphics().first())->textList(), QStringList{"L:5.0000 px"});
    }

    void buildingFollowsMouse()
    {
        Stage stage(2.0);
        stage.scene->setGraphicType(0x10003);
        stage.click({10, 20});
        stage.move({40, 60});
        GraphicsItem *item = stage.scene->newGraphic();
        QVERIFY(item);
        QCOMPARE(paint(item)->textList(), QStringList{"L:50.0000 px"});
        // Holding the button on a new point drags it along.
        stage.press({40, 60});
        QVERIFY(stage.scene->graphics().size() == 1);
        QCOMPARE(stage.entries(), 1);
        stage.release({40, 60});

        // A tool change drops an unfinished item without a trace.
        stage.click({200, 200});
        QVERIFY(stage.scene->newGraphic());
        stage.scene->setGraphicType(0x1000c);
        QVERIFY(!stage.scene->newGraphic());
        QCOMPARE(stage.entries(), 1);
    }

    void grabKeyPoint_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::newRow("zoom 1") << 1.0;
        QTest::newRow("zoom 2") << 2.0;
    }

    void grabKeyPoint()
    {
        QFETCH(double, zoom);
        Stage stage(zoom);
        stage.draw(0x10003, {{100, 100}, {200, 100}});
        stage.draw(0x1000c, {{300, 300}, {330, 300}});
        stage.scene->setGraphicType(0x10011);

        // Press on the line's end (a little off it), drag in steps, let go.
        stage.drag({201, 101}, {{205, 103}, {221, 131}});
        QCOMPARE(stage.pointsOf(0), (Points{{100, 100}, {220, 130}}));
        QCOMPARE(stage.pointsOf(1), (Points{{300, 300}, {330, 300}}));
        QCOMPARE(stage.entries(), 3);
        QVERIFY(!stage.scene->selectedGraphic());
        // Still under the mouse after the release: still lit.
        QCOMPARE(stage.scene->hoverGraphic(), stage.scene->graphics().first());
        QCOMPARE(stage.scene->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(paint(stage.scene->graphics().first())->textList(), QStringList{"L:123.6932 px"});

        // The rim of the circle alone.
        stage.drag({330, 300}, {{340, 300}});
        QCOMPARE(stage.pointsOf(1), (Points{{300, 300}, {340, 300}}));
        QCOMPARE(stage.entries(), 4);

        stage.scene->undo();
        QCOMPARE(stage.pointsOf(1), (Points{{300, 300}, {330, 300}}));
        stage.scene->undo();
        QCOMPARE(stage.pointsOf(0), (Points{{100, 100}, {200, 100}}));
    }

    void dragWholeItem()
    {
        // At zoom 2 a view pixel is half a picture pixel: the item moves by whole pixels only.
        Stage stage(2.0);
        stage.draw(0x10003, {{100, 100}, {200, 100}});
        stage.scene->setGraphicType(0x10011);
        stage.drag({150, 100}, {{150.5, 100}});
        QCOMPARE(stage.pointsOf(0), (Points{{100, 100}, {200, 100}}));
        QCOMPARE(stage.entries(), 1); // nothing moved, nothing recorded

        stage.drag({150, 100}, {{151.5, 100.5}, {153.5, 101.5}});
        const Points moved = stage.pointsOf(0);
        QCOMPARE(moved, (Points{{103, 101}, {203, 101}}));
        QCOMPARE(stage.entries(), 2);

        // There and back: no change, no entry.
        stage.drag({153, 101}, {{160, 110}, {153, 101}});
        QCOMPARE(stage.pointsOf(0), moved);
        QCOMPARE(stage.entries(), 2);

        // Grabbing the empty picture ends nothing and moves nothing.
        stage.drag({400, 400}, {{420, 420}});
        QCOMPARE(stage.pointsOf(0), moved);
        QCOMPARE(stage.entries(), 2);
    }

    void clickRecordsNothing()
    {
        Stage stage;
        stage.draw(0x10003, {{100, 100}, {200, 100}});
        stage.scene->setGraphicType(0x10011);
        stage.click({150, 100});
        stage.click({200, 100});
        QCOMPARE(stage.entries(), 1);
        QCOMPARE(stage.pointsOf(0), (Points{{100, 100}, {200, 100}}));
    }

    void undoRedoLine()
    {
        Stage stage;
        stage.draw(0x10003, {{10, 20}, {40, 60}});
        QCOMPARE(stage.scene->graphics().size(), 1);
        QCOMPARE(stage.entries(), 1);
        QCOMPARE(stage.scene->commandIndex(), 0);

        stage.scene->undo();
        QVERIFY(stage.scene->isEmpty());
        QCOMPARE(stage.scene->commandIndex(), -1);
        stage.scene->undo(); // nothing left to undo
        QCOMPARE(stage.scene->commandIndex(), -1);

        stage.scene->redo();
        QCOMPARE(stage.pointsOf(0), (Points{{10, 20}, {40, 60}}));
        QCOMPARE(paint(stage.scene->graphics().first())->textList(), QStringList{"L:50.0000 px"});
        stage.scene->redo(); // already the newest
        QCOMPARE(stage.scene->commandIndex(), 0);
        QCOMPARE(stage.scene->graphics().size(), 1);
    }

    void undoBranches()
    {
        Stage stage;
        const Points a{{10, 10}}, b{{20, 20}}, c{{30, 30}};
        stage.scene->setGraphicType(0x10002);
        stage.clicks(a);
        stage.clicks(b);
        stage.scene->undo();
        QCOMPARE(stage.scene->graphics().size(), 1);
        stage.clicks(c);

        const QList<CommandInfo> &stack = stage.scene->commandStack();
        QCOMPARE(stack.size(), 2);
        QCOMPARE(stack.at(0).graphics.size(), 1);
        QCOMPARE(stack.at(0).graphics.at(0).points, a);
        QCOMPARE(stack.at(1).graphics.size(), 2);
        QCOMPARE(stack.at(1).graphics.at(1).points, c);
        QVERIFY(!stage.scene->canRedo());

        stage.scene->undo();
        QCOMPARE(stage.scene->graphics().size(), 1);
        QCOMPARE(stage.pointsOf(0), a);
        stage.scene->undo();
        QVERIFY(stage.scene->isEmpty());
    }

    void historyKeepsTwenty()
    {
        Stage stage;
        stage.scene->setGraphicType(0x10002);
        for (int i = 0; i < 21; ++i)
            stage.click({10.0 + 20 * i, 50});
        QCOMPARE(stage.scene->graphics().size(), 21);
        QCOMPARE(stage.entries(), 20);
        QCOMPARE(stage.scene->commandIndex(), 19);

        for (int i = 0; i < 20; ++i)
            stage.scene->undo();
        // The oldest kept entry already held two points; past it lies the empty scene.
        QVERIFY(stage.scene->isEmpty());
        QVERIFY(!stage.scene->canUndo());
        stage.scene->undo();
        QVERIFY(stage.scene->isEmpty());

        for (int i = 0; i < 20; ++i)
            stage.scene->redo();
        QCOMPARE(stage.scene->graphics().size(), 21);
    }

    void cursorAndHover_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<int>("shape");
        QTest::addColumn<bool>("hover");

        // The line (100, 100)-(200, 100) lies on the picture.
        QTest::newRow("drawing tool")
            << 0x10005 << QPointF(150, 100) << int(Qt::CrossCursor) << false;
        QTest::newRow("select, body")
            << 0x10011 << QPointF(150, 102) << int(Qt::SizeAllCursor) << true;
        QTest::newRow("select, end")
            << 0x10011 << QPointF(198, 100) << int(Qt::PointingHandCursor) << true;
        QTest::newRow("select, nothing")
            << 0x10011 << QPointF(150, 150) << int(Qt::ArrowCursor) << false;
        QTest::newRow("delete, body")
            << 0x10012 << QPointF(150, 102) << int(Qt::PointingHandCursor) << true;
        QTest::newRow("delete, end")
            << 0x10012 << QPointF(100, 100) << int(Qt::PointingHandCursor) << true;
        QTest::newRow("delete, nothing")
            << 0x10012 << QPointF(150, 150) << int(Qt::ArrowCursor) << false;
    }

    void cursorAndHover()
    {
        QFETCH(int, tool);
        QFETCH(QPointF, at);
        QFETCH(bool, hover);

        Stage stage;
        GraphicsItem *line = stage.draw(0x10003, {{100, 100}, {200, 100}});
        stage.scene->setGraphicType(tool);
        stage.move(at);
        QTEST(int(stage.scene->cursor().shape()), "shape");
        QCOMPARE(stage.scene->hoverGraphic(), hover ? line : nullptr);
        QCOMPARE(line->isHover(), hover);

        // Leaving the viewer ends the highlight.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(stage.view.viewport(), &leave);
        QVERIFY(!stage.scene->hoverGraphic());
        QVERIFY(!line->isHover());
    }

    void deleteAndUndo()
    {
        Stage stage;
        stage.draw(0x10003, {{100, 100}, {200, 100}});
        stage.draw(0x1000c, {{300, 300}, {330, 300}});
        stage.scene->setGraphicType(0x10012);
        stage.click({250, 250}); // nothing there
        QCOMPARE(stage.entries(), 2);
        stage.click({150, 101});
        QCOMPARE(stage.scene->graphics().size(), 1);
        QCOMPARE(stage.scene->graphics().first()->type(), 0x1000c);
        QVERIFY(!stage.scene->hoverGraphic());
        QCOMPARE(stage.scene->cursor().shape(), Qt::ArrowCursor); // nothing left under it
        QCOMPARE(stage.entries(), 3);

        stage.scene->undo();
        QCOMPARE(stage.scene->graphics().size(), 2);
        QCOMPARE(stage.pointsOf(0), (Points{{100, 100}, {200, 100}}));
        QCOMPARE(stage.pointsOf(1), (Points{{300, 300}, {330, 300}}));
    }

    void clearCannotBeUndone()
    {
        Stage stage;
        stage.draw(0x10003, {{100, 100}, {200, 100}});
        stage.draw(0x10002, {{50, 50}});
        stage.scene->undo();
        stage.scene->clearItems();
        QVERIFY(stage.scene->isEmpty());
        QCOMPARE(stage.entries(), 0);
        QCOMPARE(stage.scene->commandIndex(), -1);
        stage.scene->undo();
        stage.scene->redo();
        QVERIFY(stage.scene->isEmpty());
    }

    void pictureChangeEmptiesHistory()
    {
        Stage stage;
        stage.draw(0x10003, {{100, 100}, {200, 100}});
        QImage same(640, 480, QImage::Format_RGB32);
        same.fill(Qt::white);
        stage.scene->setBaseImage(same);
        QCOMPARE(stage.entries(), 1);
        stage.scene->setBaseImage(QImage(800, 600, QImage::Format_RGB32));
        QVERIFY(stage.scene->isEmpty());
        QCOMPARE(stage.entries(), 0);
        QCOMPARE(stage.scene->commandIndex(), -1);
        stage.scene->undo();
        QVERIFY(stage.scene->isEmpty());

        stage.scene->clear();
        QCOMPARE(stage.entries(), 0);
    }

    void measuringTakesEveryClick_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<bool>("editable");
        for (bool editable : {true, false}) {
            const char *e = editable ? "editable" : "not editable";
            QTest::addRow("line, %s", e) << 0x10003 << editable;
            QTest::addRow("polygon, %s", e) << 0x10006 << editable;
            QTest::addRow("text, %s", e) << 0x10013 << editable;
            QTest::addRow("select, %s", e) << 0x10011 << editable;
            QTest::addRow("delete, %s", e) << 0x10012 << editable;
        }
    }

    void measuringTakesEveryClick()
    {
        QFETCH(int, tool);
        QFETCH(bool, editable);

        Stage stage(2.0);
        stage.draw(0x10003, {{100, 100}, {200, 100}});
        stage.scene->setGraphicType(tool);
        stage.scene->setEditable(editable);
        stage.scene->setMeasure(true);
        GraphicsMeasureItem *segment = stage.scene->measureItem();
        QVERIFY(segment);
        QCOMPARE(segment->keyPoints(), (Points{{220, 240}, {420, 240}}));
        // A text dialog must not appear.
        const ModalAnswerer answer({}, typeText(QStringLiteral("x")));

        // Over the segment it lights up; its end can be dragged.
        stage.move({300, 240});
        QVERIFY(segment->isSelected());
        stage.move({300, 300});
        QVERIFY(!segment->isSelected());
        stage.drag({420, 240}, {{430, 250}, {450, 260}});
        QCOMPARE(segment->keyPoints(), (Points{{220, 240}, {450, 260}}));
        // Clicks elsewhere, and on the hidden line, change nothing.
        stage.click({50, 50});
        stage.click({150, 100});
        stage.click({50, 50}, Qt::RightButton);

        QCOMPARE(answer.answered(), 0);
        QCOMPARE(stage.scene->graphics().size(), 1);
        QCOMPARE(stage.pointsOf(0), (Points{{100, 100}, {200, 100}}));
        QCOMPARE(stage.entries(), 1);

        // Undo and redo are about measurements: the segment stays.
        stage.scene->undo();
        QCOMPARE(stage.scene->measureItem(), segment);
        stage.scene->redo();
        QCOMPARE(stage.scene->measureItem(), segment);
        stage.scene->setMeasure(false);
        QVERIFY(!stage.scene->measureItem());
        QCOMPARE(stage.scene->graphics().size(), 1);
    }

    void notEditableIgnoresPresses()
    {
        Stage stage;
        GraphicsItem *line = stage.draw(0x10003, {{100, 100}, {200, 100}});
        stage.scene->setEditable(false);
        QCOMPARE(stage.scene->cursor().shape(), Qt::ArrowCursor);
        for (int tool : {0x10003, 0x10011, 0x10012}) {
            stage.scene->setGraphicType(tool);
            stage.click({150, 100});
            stage.drag({100, 100}, {{120, 120}});
            stage.click({300, 300});
        }
        QCOMPARE(stage.scene->graphics().size(), 1);
        QCOMPARE(line->keyPoints(), (Points{{100, 100}, {200, 100}}));
        QVERIFY(!stage.scene->newGraphic());
        QVERIFY(!stage.scene->hoverGraphic());
        QCOMPARE(stage.entries(), 1);
        QCOMPARE(stage.scene->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(tst_SceneInteraction)
#include "tst_sceneinteraction.moc"

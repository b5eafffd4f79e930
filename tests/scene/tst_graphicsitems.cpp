#include "PaintRecorder.h"

#include "app/Startup.h"
#include "config/Config.h"
#include "scene/CameraScene.h"
#include "scene/GraphicsCircleLineItem.h"
#include "scene/GraphicsItem.h"
#include "scene/GraphicsMeasureItem.h"
#include "scene/GraphicsParallelLineItem.h"
#include "scene/GraphicsTextItem.h"
#include "scene/MakeGraphicsItem.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPainter>
#include <QtTest>

#include <memory>

using Points = QVector<QPointF>;

namespace {
// A 640 x 480 picture shown at the given zoom, the way the hosts set up their viewers.
class Stage
{
public:
    explicit Stage(double zoom = 1.0)
    {
        scene.setConfig(&config);
        scene.setBaseImage(QImage(640, 480, QImage::Format_RGB32));
        view.setScene(&scene);
        view.setFrameShape(QFrame::NoFrame);
        view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(int(640 * zoom), int(480 * zoom));
        view.scale(zoom, zoom);
        scene.setScale(zoom, zoom);
        view.show();
    }

    // Feeds an item the events the scene forwards while a tool builds it point by point.
    GraphicsItem *build(int kind, const Points &clicks, const QPointF *rightClick = nullptr)
    {
        GraphicsItem *item = MakeGraphicsItem(kind);
        item->setStyle(config.style);
        scene.addItem(item);
        for (const QPointF &p : clicks) {
            send(item, QEvent::GraphicsSceneMouseMove, p, Qt::NoButton);
            send(item, QEvent::GraphicsSceneMousePress, p, Qt::LeftButton);
            send(item, QEvent::GraphicsSceneMouseRelease, p, Qt::LeftButton);
        }
        if (rightClick) {
            send(item, QEvent::GraphicsSceneMousePress, *rightClick, Qt::RightButton);
            send(item, QEvent::GraphicsSceneMouseRelease, *rightClick, Qt::RightButton);
        }
        return item;
    }

    static void send(GraphicsItem *item, QEvent::Type type, const QPointF &p,
                     Qt::MouseButton button)
    {
        QGraphicsSceneMouseEvent e(type);
        e.setScenePos(p);
        e.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : button);
        e.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : button);
        if (type == QEvent::GraphicsSceneMousePress)
            item->mousePressEvent(&e);
        else if (type == QEvent::GraphicsSceneMouseMove)
            item->mouseMoveEvent(&e);
        else
            item->mouseReleaseEvent(&e);
    }

    // Presses on a finished item, drags it through the given points and releases.
    static void drag(GraphicsItem *item, const QPointF &from, const Points &steps)
    {
        send(item, QEvent::GraphicsSceneMousePress, from, Qt::LeftButton);
        for (const QPointF &p : steps)
            send(item, QEvent::GraphicsSceneMouseMove, p, Qt::LeftButton);
        send(item, QEvent::GraphicsSceneMouseRelease, steps.isEmpty() ? from : steps.last(),
             Qt::LeftButton);
    }

    static std::unique_ptr<PaintRecorder> paint(GraphicsItem *item)
    {
        auto rec = std::make_unique<PaintRecorder>();
        QPainter painter(rec.get());
        item->draw(painter);
        return rec;
    }

    Config config;
    CameraScene scene;
    QGraphicsView view;
};

const QString px2 = QStringLiteral("px") + QChar(0x00B2);

// Clicks that finish (or, for the right-click kinds, nearly finish) an item of any kind.
Points clicksFor(int kind)
{
    const std::unique_ptr<GraphicsItem> probe(MakeGraphicsItem(kind));
    const Points four{{10, 10}, {100, 20}, {50, 90}, {20, 60}};
    return four.mid(0, std::min(4, probe->requiredPoints()));
}
} // namespace

class tst_GraphicsItems : public QObject
{
    Q_OBJECT

private slots:
    void factory_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("required");
        QTest::newRow("point") << 0x10002 << 1;
        QTest::newRow("line") << 0x10003 << 2;
        QTest::newRow("broken line") << 0x10004 << 50;
        QTest::newRow("rectangle") << 0x10005 << 2;
        QTest::newRow("polygon") << 0x10006 << 100;
        QTest::newRow("parallel") << 0x10007 << 4;
        QTest::newRow("perpendicular") << 0x10008 << 3;
        QTest::newRow("crosshair") << 0x10009 << 2;
        QTest::newRow("angle") << 0x1000a << 3;
        QTest::newRow("arc") << 0x1000b << 3;
        QTest::newRow("circle") << 0x1000c << 2;
        QTest::newRow("two-point circle") << 0x1000d << 2;
        QTest::newRow("three-point circle") << 0x1000e << 3;
        QTest::newRow("concentric") << 0x1000f << 3;
        QTest::newRow("two circles") << 0x10010 << 4;
        QTest::newRow("text") << 0x10013 << 1;
    }

    void factory()
    {
        QFETCH(int, kind);
        std::unique_ptr<GraphicsItem> item(MakeGraphicsItem(kind));
        QVERIFY(item);
        QCOMPARE(item->type(), kind);
        QTEST(item->requiredPoints(), "required");
        QVERIFY(!item->isVaild());
    }

    void factoryRefusesTools()
    {
        for (int kind : {0x10001, 0x10011, 0x10012, 0x10014, 0})
            QVERIFY(!MakeGraphicsItem(kind));
        QCOMPARE(GraphicsMeasureItem().type(), 0x10001);
    }

    void labels_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("kind");
        QTest::addColumn<Points>("clicks");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QPointF>("anchor"); // picture point the first label hangs below

        for (double zoom : {1.0, 2.0}) {
            const QByteArray z = zoom == 1.0 ? " @1" : " @2";
            QTest::newRow("point" + z) << zoom << 0x10002 << Points{{100, 100}}
                                       << QStringList{"-0220,0140"} << QPointF(100, 100);
            QTest::newRow("line" + z) << zoom << 0x10003 << Points{{10, 20}, {40, 60}}
                                      << QStringList{"L:50.0000 px"} << QPointF(10, 20);
            QTest::newRow("rectangle" + z) << zoom << 0x10005 << Points{{50, 20}, {10, 50}}
                                           << QStringList{"S:1200.0000 " + px2} << QPointF(50, 20);
            QTest::newRow("perpendicular" + z)
                << zoom << 0x10008 << Points{{0, 0}, {100, 0}, {50, 80}}
                << QStringList{"D:80.0000 px"} << QPointF(0, 0);
            QTest::newRow("angle" + z)
                << zoom << 0x1000a << Points{{300, 200}, {200, 200}, {200, 300}}
                << QStringList{"A:90.00 deg"} << QPointF(200, 200);
            QTest::newRow("angle reversed" + z)
                << zoom << 0x1000a << Points{{200, 300}, {200, 200}, {300, 200}}
                << QStringList{"A:-90.00 deg"} << QPointF(200, 200);
            QTest::newRow("angle 45" + z)
                << zoom << 0x1000a << Points{{300, 200}, {200, 200}, {300, 300}}
                << QStringList{"A:45.00 deg"} << QPointF(200, 200);
            QTest::newRow("arc" + z) << zoom << 0x1000b << Points{{110, 100}, {100, 90}, {90, 100}}
                                     << QStringList{"C:31.4159 px"} << QPointF(110, 100);
            QTest::newRow("arc, quarter" + z)
                << zoom << 0x1000b
                << Points{{200, 100}, {170.71067811865476, 29.289321881345245}, {100, 0}}
                << QStringList{"C:157.0796 px"} << QPointF(200, 100);
            QTest::newRow("circle" + z) << zoom << 0x1000c << Points{{100, 100}, {103, 104}}
                                        << QStringList{"R:5.0000 px"} << QPointF(100, 100);
            QTest::newRow("two-point circle" + z)
                << zoom << 0x1000d << Points{{100, 100}, {110, 100}} << QStringList{"D:10.0000 px"}
                << QPointF(100, 100);
            QTest::newRow("three-point circle" + z)
                << zoom << 0x1000e << Points{{100, 100}, {102, 100}, {100, 102}}
                << QStringList{"R:1.4142 px"} << QPointF(100, 100);
            QTest::newRow("concentric" + z)
                << zoom << 0x1000f << Points{{100, 100}, {103, 104}, {100, 110}}
                << QStringList{"R1:5.0000 px", "R2:10.0000 px"} << QPointF(100, 100);
            QTest::newRow("two circles" + z)
                << zoom << 0x10010 << Points{{100, 100}, {103, 104}, {200, 100}, {206, 108}}
                << QStringList{"L:100.0000 px"} << QPointF(100, 100);
            QTest::newRow("parallel" + z)
                << zoom << 0x10007 << Points{{100, 100}, {300, 100}, {150, 180}, {400, 250}}
                << QStringList{"D:80.0000 px"} << QPointF(100, 100);
            QTest::newRow("parallel slanted" + z)
                << zoom << 0x10007 << Points{{0, 0}, {100, 100}, {0, 100}, {300, 350}}
                << QStringList{"D:70.7107 px"} << QPointF(0, 0);
            QTest::newRow("crosshair" + z)
                << zoom << 0x10009 << Points{{100, 100}, {200, 150}} << QStringList{} << QPointF();
        }
    }

    void labels()
    {
        QFETCH(double, zoom);
        QFETCH(int, kind);
        QFETCH(Points, clicks);
        QFETCH(QStringList, labels);
        QFETCH(QPointF, anchor);

        Stage stage(zoom);
        GraphicsItem *item = stage.build(kind, clicks);
        QVERIFY(item->isVaild());
        const auto rec = Stage::paint(item);
        QCOMPARE(rec->textList(), labels);
        // Each label one font size (32) below the one before, under its anchor in view pixels.
        for (int i = 0; i < rec->texts.size(); ++i) {
            const QPointF expected(int(anchor.x() * zoom), int(anchor.y() * zoom + 32 * (i + 1)));
            QCOMPARE(rec->texts.at(i).pos, expected);
        }
    }

    void rightClickEnds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Points>("clicks");
        QTest::addColumn<QPointF>("rightClick");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("label");

        QTest::newRow("polygon") << 0x10006 << Points{{0, 0}, {10, 0}, {10, 10}, {0, 10}}
                                 << QPointF(3, 3) << 4 << "S:100.0000 " + px2;
        QTest::newRow("broken line") << 0x10004 << Points{{0, 0}, {30, 40}, {30, 100}}
                                     << QPointF(500, 400) << 3 << "L:110.0000 px";
        QTest::newRow("two-point polygon: no area")
            << 0x10006 << Points{{0, 0}, {10, 0}} << QPointF(3, 3) << 2 << QString();
    }

    void rightClickEnds()
    {
        QFETCH(int, kind);
        QFETCH(Points, clicks);
        QFETCH(QPointF, rightClick);
        QFETCH(QString, label);

        Stage stage;
        GraphicsItem *item = stage.build(kind, clicks, &rightClick);
        QVERIFY(item->isVaild());
        QTEST(item->keyPointCount(), "points");
        QCOMPARE(item->requiredPoints(), item->keyPointCount());
        const auto rec = Stage::paint(item);
        QCOMPARE(rec->textList().join(QString()), label);
    }

    void rightClickTooEarlyContinues()
    {
        // One point and a right click: the click is an ordinary second vertex.
        Stage stage;
        const QPointF right(30, 40);
        GraphicsItem *item = stage.build(0x10004, {{0, 0}}, &right);
        QVERIFY(!item->isVaild());
        QCOMPARE(item->keyPoints(), (Points{{0, 0}, {30, 40}}));
        Stage::send(item, QEvent::GraphicsSceneMousePress, {30, 100}, Qt::LeftButton);
        QCOMPARE(item->keyPointCount(), 3);
    }

    void polygonAreaSwitch()
    {
        Stage stage;
        stage.config.polygonAreaMode = 0;
        GraphicsItem *item = stage.build(0x10006, {{0, 0}, {10, 0}, {10, 10}});
        const QPointF right(3, 3);
        Stage::send(item, QEvent::GraphicsSceneMousePress, right, Qt::RightButton);
        Stage::send(item, QEvent::GraphicsSceneMouseRelease, right, Qt::RightButton);
        QVERIFY(item->isVaild());
        QVERIFY(Stage::paint(item)->texts.isEmpty());
    }

    void followsCursorWhileBuilding()
    {
        // After the first click the segment and its label follow the mouse.
        Stage stage(2.0);
        GraphicsItem *item = stage.build(0x10003, {{0, 0}});
        Stage::send(item, QEvent::GraphicsSceneMouseMove, {30, 40}, Qt::NoButton);
        const auto rec = Stage::paint(item);
        QCOMPARE(rec->textList(), QStringList{"L:50.0000 px"});
        QVERIFY(rec->lines.contains(QLineF(0, 0, 60, 80)));
        QCOMPARE(item->boundingRect(), QRectF(0, 0, 30, 40));
    }

    void calibration_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("kind");
        QTest::addColumn<Points>("clicks");
        QTest::addColumn<QString>("label");

        QTest::newRow("mm") << 0.01 << 0 << 0x10003 << Points{{0, 0}, {30, 40}} << "L:0.5000 mm";
        QTest::newRow("area in cm") << 0.5 << 1 << 0x10005 << Points{{0, 0}, {20, 20}}
                                    << "S:100.0000 cm" + QString(QChar(0x00B2));
        QTest::newRow("um radius")
            << 2.5 << 2 << 0x1000c << Points{{100, 100}, {103, 104}} << "R:12.5000 um";
        QTest::newRow("factor zero")
            << 0.0 << 3 << 0x10003 << Points{{0, 0}, {30, 40}} << "L:0.0000 in";
        QTest::newRow("unknown unit")
            << 1.0 << 7 << 0x10003 << Points{{0, 0}, {30, 40}} << "L:50.0000 ";
        QTest::newRow("point ignores the ratio")
            << 0.01 << 0 << 0x10002 << Points{{320, 240}} << "0000,0000";
        QTest::newRow("angle ignores the ratio")
            << 0.01 << 0 << 0x1000a << Points{{300, 200}, {200, 200}, {200, 300}} << "A:90.00 deg";
        for (int kind : {0x10002, 0x10003, 0x10005, 0x10006, 0x10007, 0x1000a, 0x1000b, 0x1000f})
            QTest::addRow("unit -1 hides, kind %x", kind)
                << 1.0 << -1 << kind << clicksFor(kind) << QString();
    }

    void calibration()
    {
        QFETCH(double, ratio);
        QFETCH(int, unit);
        QFETCH(int, kind);
        QFETCH(Points, clicks);

        Stage stage;
        stage.scene.bdInfo().ratio = ratio;
        stage.scene.bdInfo().unit = unit;
        GraphicsItem *item = stage.build(kind, clicks);
        if (!item->isVaild()) { // polygon: end it
            Stage::send(item, QEvent::GraphicsSceneMousePress, {1, 1}, Qt::RightButton);
            Stage::send(item, QEvent::GraphicsSceneMouseRelease, {1, 1}, Qt::RightButton);
        }
        QVERIFY(item->isVaild());
        QTEST(Stage::paint(item)->textList().join(QString()), "label");
    }

    void makeStringRounds()
    {
        Stage stage;
        stage.scene.bdInfo().ratio = 0.01;
        stage.scene.bdInfo().unit = 0;
        GraphicsItem *item = stage.build(0x10003, {});
        QCOMPARE(item->makeString("L", 123.4567), QStringLiteral("L:1.2346 mm"));
        stage.scene.bdInfo().ratio = 0.5;
        stage.scene.bdInfo().unit = 1;
        QCOMPARE(item->makeString("S", 400), "S:100.0000 cm" + QString(QChar(0x00B2)));
    }

    void hitRadiusFollowsZoom_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("offset");
        QTest::addColumn<int>("hit");

        QTest::newRow("zoom 0.5, 9 px") << 0.5 << 9.0 << 2;
        QTest::newRow("zoom 0.5, 11 px") << 0.5 << 11.0 << -1;
        QTest::newRow("zoom 1, 4 px") << 1.0 << 4.0 << 2;
        QTest::newRow("zoom 1, 6 px") << 1.0 << 6.0 << -1;
        QTest::newRow("zoom 2, 4 px") << 2.0 << 4.0 << 2;
        QTest::newRow("zoom 2, 6 px") << 2.0 << 6.0 << -1;
    }

    void hitRadiusFollowsZoom()
    {
        QFETCH(double, zoom);
        QFETCH(double, offset);
        Stage stage(zoom);
        // A circle has no body: only its two key points can be hit.
        GraphicsItem *item = stage.build(0x1000c, {{100, 100}, {200, 100}});
        QTEST(item->hitTest({200, 100 + offset}), "hit");
    }

    void hitTests_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Points>("clicks");
        QTest::addColumn<QPointF>("probe");
        QTest::addColumn<int>("hit");

        const Points rect{{50, 20}, {10, 50}};
        QTest::newRow("rect left edge") << 0x10005 << rect << QPointF(6, 35) << 0;
        QTest::newRow("rect corner") << 0x10005 << rect << QPointF(11, 51) << 2;
        QTest::newRow("rect inside") << 0x10005 << rect << QPointF(30, 35) << -1;
        QTest::newRow("point square") << 0x10002 << Points{{100, 100}} << QPointF(109, 91) << 0;
        QTest::newRow("point outside") << 0x10002 << Points{{100, 100}} << QPointF(111, 100) << -1;
        const Points poly{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {50, 50}};
        QTest::newRow("polygon closing edge") << 0x10006 << poly << QPointF(20, 27) << 0;
        QTest::newRow("circle centre moves")
            << 0x1000c << Points{{100, 100}, {130, 100}} << QPointF(101, 101) << 0;
        QTest::newRow("circle rim point")
            << 0x1000c << Points{{100, 100}, {130, 100}} << QPointF(131, 100) << 2;
        QTest::newRow("circle body")
            << 0x1000c << Points{{100, 100}, {130, 100}} << QPointF(70, 100) << -1;
        QTest::newRow("concentric second rim")
            << 0x1000f << Points{{100, 100}, {130, 100}, {160, 100}} << QPointF(160, 103) << 3;
        const Points parallel{{100, 100}, {300, 100}, {150, 180}, {400, 250}};
        QTest::newRow("parallel key point is body")
            << 0x10007 << parallel << QPointF(100, 100) << 0;
        QTest::newRow("parallel connector") << 0x10007 << parallel << QPointF(203, 140) << 0;
        QTest::newRow("parallel between") << 0x10007 << parallel << QPointF(150, 140) << -1;
        QTest::newRow("crosshair far line")
            << 0x10009 << Points{{10, 10}, {200, 150}} << QPointF(3000, 152) << 0;
        QTest::newRow("text anchor") << 0x10013 << Points{{100, 100}} << QPointF(103, 100) << 1;
        QTest::newRow("text body") << 0x10013 << Points{{100, 100}} << QPointF(130, 90) << -1;
        QTest::newRow("perpendicular chain")
            << 0x10008 << Points{{0, 0}, {100, 0}, {50, 80}} << QPointF(75, 42) << 0;
    }

    void hitTests()
    {
        QFETCH(int, kind);
        QFETCH(Points, clicks);
        QFETCH(QPointF, probe);
        Stage stage;
        GraphicsItem *item = stage.build(kind, clicks);
        if (!item->isVaild()) {
            Stage::send(item, QEvent::GraphicsSceneMousePress, {1, 1}, Qt::RightButton);
            Stage::send(item, QEvent::GraphicsSceneMouseRelease, {1, 1}, Qt::RightButton);
        }
        QTEST(item->hitTest(probe), "hit");
    }

    void dragKeyPoint()
    {
        Stage stage(2.0);
        GraphicsItem *item = stage.build(0x10003, {{10, 10}, {100, 10}});
        Stage::drag(item, {101, 11}, {{101.5, 13.25}, {104.5, 20.25}});
        QCOMPARE(item->keyPoints(), (Points{{10, 10}, {103.5, 19.25}}));
        QCOMPARE(item->dragIndex(), -1);
        QVERIFY(!item->isPressed());
    }

    void dragWholeItem()
    {
        Stage stage;
        GraphicsItem *item = stage.build(0x10003, {{10, 10}, {100, 10}});
        Stage::drag(item, {50, 10}, {{53.7, 10}});
        QCOMPARE(item->keyPoints(), (Points{{13, 10}, {103, 10}}));

        // Half-pixel steps: nothing until a whole pixel has gathered, then one pixel.
        Stage::drag(item, {50, 10}, {{50.5, 10}});
        QCOMPARE(item->keyPoint(0), QPointF(13, 10));
        Stage::drag(item, {50, 10}, {{50.5, 10.5}, {51, 11}, {51.5, 10.5}});
        QCOMPARE(item->keyPoints(), (Points{{14, 11}, {104, 11}}));
        Stage::drag(item, {60, 11}, {{57, 11}});
        QCOMPARE(item->keyPoint(0), QPointF(11, 11));
    }

    void dragElsewhereDoesNothing()
    {
        Stage stage;
        GraphicsItem *item = stage.build(0x10003, {{10, 10}, {100, 10}});
        Stage::drag(item, {50, 200}, {{80, 250}});
        QCOMPARE(item->keyPoints(), (Points{{10, 10}, {100, 10}}));
    }

    void parallelSnapsFourthPoint_data()
    {
        QTest::addColumn<Points>("clicks");
        QTest::addColumn<QPointF>("fourth");

        QTest::newRow("horizontal base")
            << Points{{100, 100}, {300, 100}, {150, 180}, {400, 250}} << QPointF(400, 180);
        QTest::newRow("vertical base")
            << Points{{100, 100}, {100, 300}, {150, 180}, {400, 250}} << QPointF(150, 250);
        QTest::newRow("slanted, tie takes the cursor's y")
            << Points{{0, 0}, {100, 100}, {0, 100}, {300, 350}} << QPointF(250, 350);
        QTest::newRow("slanted, x nearer")
            << Points{{0, 0}, {100, 10}, {0, 100}, {300, 150}} << QPointF(300, 130);
        QTest::newRow("coincident base keeps the click")
            << Points{{50, 50}, {50, 50}, {0, 100}, {300, 150}} << QPointF(300, 150);
    }

    void parallelSnapsFourthPoint()
    {
        QFETCH(Points, clicks);
        Stage stage;
        GraphicsItem *item = stage.build(0x10007, clicks);
        QVERIFY(item->isVaild());
        QTEST(item->keyPoint(3), "fourth");

        // Dragging the whole pair keeps it parallel.
        Stage::drag(item, (clicks.at(0) + clicks.at(1)) / 2,
                    {(clicks.at(0) + clicks.at(1)) / 2 + QPointF(7, 3)});
        QTEST(item->keyPoint(3) - QPointF(7, 3), "fourth");
    }

    void parallelPreviewSnaps()
    {
        Stage stage;
        GraphicsItem *item = stage.build(0x10007, {{100, 100}, {300, 100}, {150, 180}});
        Stage::send(item, QEvent::GraphicsSceneMouseMove, {400, 250}, Qt::NoButton);
        const auto rec = Stage::paint(item);
        QVERIFY(rec->lines.contains(QLineF(150, 180, 400, 180)));
        QVERIFY(rec->lines.contains(QLineF(200, 100, 200, 180))); // midpoint to foot
    }

    void perpendicularExactFoot()
    {
        // The foot does not lie on a whole pixel; the value is the true distance to the base.
        Stage stage(0.5);
        GraphicsItem *item = stage.build(0x10008, {{0, 0}, {100, 3}, {50, 80}});
        QCOMPARE(Stage::paint(item)->textList(), QStringList{"D:78.4647 px"});

        GraphicsItem *flat = stage.build(0x10008, {{20, 20}, {20, 20}, {50, 80}});
        const auto rec = Stage::paint(flat);
        QVERIFY(rec->texts.isEmpty());
        QCOMPARE(rec->lines.size(), 1); // the base only
    }

    void arcRunsThroughMiddlePoint_data()
    {
        QTest::addColumn<Points>("clicks");
        QTest::addColumn<QPointF>("onArc"); // view point the drawn arc must pass
        QTest::addColumn<QString>("label");

        QTest::newRow("upper half")
            << Points{{110, 100}, {100, 90}, {90, 100}} << QPointF(100, 90) << "C:31.4159 px";
        QTest::newRow("lower half")
            << Points{{110, 100}, {100, 110}, {90, 100}} << QPointF(100, 110) << "C:31.4159 px";
        QTest::newRow("three quarters")
            << Points{{110, 100}, {100, 110}, {100, 90}} << QPointF(90, 100) << "C:47.1239 px";
        QTest::newRow("collinear: no arc")
            << Points{{0, 0}, {10, 10}, {20, 20}} << QPointF() << QString();
    }

    void arcRunsThroughMiddlePoint()
    {
        QFETCH(Points, clicks);
        QFETCH(QPointF, onArc);
        QFETCH(QString, label);
        Stage stage;
        GraphicsItem *item = stage.build(0x1000b, clicks);
        const auto rec = Stage::paint(item);
        QCOMPARE(rec->textList().join(QString()), label);
        QCOMPARE(rec->lines.size(), 2);
        if (label.isEmpty()) {
            QVERIFY(rec->paths.isEmpty());
            return;
        }
        QCOMPARE(rec->paths.size(), 1);
        // The arc passes within half a pixel of the wanted point.
        const QPainterPath &path = rec->paths.first();
        double nearest = 1e9;
        for (qreal t = 0; t <= 1.0; t += 0.001) {
            const QPointF d = path.pointAtPercent(t) - onArc;
            nearest = std::min(nearest, std::hypot(d.x(), d.y()));
        }
        QVERIFY2(nearest < 0.5, qPrintable(QString::number(nearest)));
    }

    void circlesDrawRound()
    {
        // A stretched view still draws circles as circles, about the view centre.
        Stage stage(2.0);
        stage.scene.setScale(2.0, 1.0);
        GraphicsItem *item = stage.build(0x1000d, {{100, 100}, {110, 100}});
        const auto rec = Stage::paint(item);
        QCOMPARE(rec->ellipses.size(), 1);
        QCOMPARE(rec->ellipses.first(), QRectF(200, 190, 20, 20));
    }

    void twoCirclesDragCentre()
    {
        Stage stage;
        auto *item = static_cast<GraphicsCircleLineItem *>(
            stage.build(0x10010, {{100, 100}, {103, 104}, {200, 100}, {206, 108}}));
        Stage::drag(item, {200, 100}, {{250, 300.5}});
        QCOMPARE(item->keyPoint(2), QPointF(250, 300.5));
        QCOMPARE(item->keyPoint(3), QPointF(250, 290)); // truncate(300.5 - 10)
        QCOMPARE(item->keyPoint(0), QPointF(100, 100));
        QCOMPARE(Stage::paint(item)->textList(), QStringList{"L:250.4002 px"});
        // A rim point moves alone.
        Stage::drag(item, {103, 104}, {{113, 104}});
        QCOMPARE(item->keyPoint(1), QPointF(113, 104));
        QCOMPARE(item->keyPoint(0), QPointF(100, 100));
    }

    void crosshairKeepsSecondPress()
    {
        Stage stage(2.0);
        GraphicsItem *item = stage.build(0x10009, {{100, 100}, {200, 150}});
        QCOMPARE(item->keyPoints(), Points{QPointF(200, 150)});
        QCOMPARE(item->requiredPoints(), 1);
        const auto rec = Stage::paint(item);
        QVERIFY(rec->lines.contains(QLineF(400, -4000, 400, 4000)));
        QVERIFY(rec->lines.contains(QLineF(-4000, 300, 4000, 300)));
        QVERIFY(rec->rects.isEmpty()); // never key-point squares

        // A picture wider than the reach on screen: the lines still cross all of it.
        // (A picture of another size starts a new measurement, so the item is drawn anew.)
        stage.scene.setBaseImage(QImage(5000, 100, QImage::Format_RGB32));
        item = stage.build(0x10009, {{100, 100}, {200, 150}});
        const auto wide = Stage::paint(item);
        QVERIFY(wide->lines.contains(QLineF(-10001, 300, 10001, 300)));
        QCOMPARE(item->hitTest({4500, 151}), 0);
    }

    void keyPointSquares()
    {
        Stage stage;
        GraphicsItem *item = stage.build(0x10003, {{10, 10}, {100, 10}});
        QVERIFY(Stage::paint(item)->rects.isEmpty());
        item->setHover(true);
        QCOMPARE(Stage::paint(item)->rects,
                 (QVector<QRectF>{QRectF(5, 5, 10, 10), QRectF(95, 5, 10, 10)}));
        item->setHover(false);
        item->setSelected(true);
        QCOMPARE(Stage::paint(item)->rects.size(), 2);
    }

    void text()
    {
        Stage stage(2.0);
        auto *item = static_cast<GraphicsTextItem *>(MakeGraphicsItem(0x10013));
        item->setStyle(stage.config.style);
        item->setText(QStringLiteral("焊点 A"));
        stage.scene.addItem(item);
        QCOMPARE(item->boundingRect(), QRectF());
        Stage::send(item, QEvent::GraphicsSceneMousePress, {100, 100}, Qt::LeftButton);
        QVERIFY(item->isVaild());
        QCOMPARE(item->boundingRect(), QRectF(100, 100, 60, 20));
        const auto rec = Stage::paint(item);
        // Glyphs from fallback fonts arrive as separate runs.
        QCOMPARE(rec->textList().join(QString()), QStringLiteral("焊点 A"));
        QCOMPARE(rec->texts.first().pos, QPointF(200, 232));
        // Notes are not measurements: a hidden unit leaves them alone.
        stage.scene.bdInfo().unit = -1;
        QCOMPARE(Stage::paint(item)->textList().join(QString()), QStringLiteral("焊点 A"));
    }

    void saveRestore_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Points>("clicks");
        for (int kind = 0x10002; kind <= 0x10010; ++kind)
            QTest::addRow("kind %x", kind) << kind << clicksFor(kind);
        QTest::newRow("text") << 0x10013 << clicksFor(0x10013);
    }

    void saveRestore()
    {
        QFETCH(int, kind);
        QFETCH(Points, clicks);
        Stage stage;
        StyleInfo style;
        style.fontColorIndex = 2;
        style.fontSizeIndex = 8;
        style.penColorIndex = 1;
        style.penStyleIndex = 1;
        stage.config.style = style;
        GraphicsItem *item = stage.build(kind, clicks);
        if (auto *text = dynamic_cast<GraphicsTextItem *>(item))
            text->setText(QStringLiteral("keep me"));
        if (!item->isVaild()) {
            Stage::send(item, QEvent::GraphicsSceneMousePress, {1, 1}, Qt::RightButton);
            Stage::send(item, QEvent::GraphicsSceneMouseRelease, {1, 1}, Qt::RightButton);
        }
        QVERIFY(item->isVaild());
        const GraphicsItemData data = item->save();
        QCOMPARE(data.type, kind);
        QCOMPARE(data.points, item->keyPoints());
        QCOMPARE(data.text, kind == 0x10013 ? QStringLiteral("keep me") : QString());

        GraphicsItem *copy = MakeGraphicsItem(data.type);
        stage.scene.addItem(copy);
        copy->restore(data);
        QVERIFY(copy->isVaild());
        QCOMPARE(copy->keyPoints(), item->keyPoints());
        QCOMPARE(copy->requiredPoints(), item->keyPointCount());
        QCOMPARE(copy->style().fontSizeIndex, 8);
        QCOMPARE(copy->style().penStyle(), Qt::DashLine);
        QCOMPARE(copy->style().fontColor(), QColor(Qt::blue));
        QCOMPARE(Stage::paint(copy)->textList(), Stage::paint(item)->textList());
        QCOMPARE(copy->boundingRect(), item->boundingRect());
    }

    void measureItem_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("expected");
        QTest::newRow("mm") << 0 << 50.0;
        QTest::newRow("cm") << 1 << 5.0;
        QTest::newRow("um") << 2 << 50000.0;
        QTest::newRow("in") << 3 << 50.0 / 25.4;
        QTest::newRow("px") << 4 << 50.0;
    }

    void measureItem()
    {
        QFETCH(int, unit);
        screen_mm_pixel = 0.25;
        for (double zoom : {1.0, 2.0}) {
            Stage stage(zoom);
            auto *item = new GraphicsMeasureItem;
            GraphicsItemData data;
            data.points = {{220, 240}, {420, 240}};
            item->restore(data);
            stage.scene.addItem(item);
            item->setUnit(unit);
            // The ratio a calibration derives from length() must convert picture pixels.
            QCOMPARE(item->length(), 200.0);
            QFETCH(double, expected);
            QCOMPARE(item->lengthUnit(), expected * zoom);
        }
    }

    void measureItemTicks()
    {
        screen_mm_pixel = 0.25;
        Stage stage;
        auto *item = new GraphicsMeasureItem;
        GraphicsItemData data;
        data.points = {{220, 240}, {420, 240}};
        item->restore(data);
        stage.scene.addItem(item);
        auto rec = Stage::paint(item);
        QVERIFY(rec->texts.isEmpty());
        QCOMPARE(rec->lines.size(), 3);
        QCOMPARE(rec->lines.at(1), QLineF(220, 290, 220, 190));
        QCOMPARE(rec->lines.at(2), QLineF(420, 290, 420, 190));

        item->setKeyPoint(1, {320, 340}); // slanted: ticks stand across, 50 px each way
        rec = Stage::paint(item);
        const QLineF tick = rec->lines.at(1);
        QCOMPARE(tick.length(), 100.0);
        QCOMPARE(tick.center(), QPointF(220, 240));
        QVERIFY(qAbs(QLineF(220, 240, 320, 340).angleTo(tick) - 90) < 1e-9 ||
                qAbs(QLineF(220, 240, 320, 340).angleTo(tick) - 270) < 1e-9);

        item->setKeyPoint(1, {220, 240}); // no length: no ticks
        QCOMPARE(Stage::paint(item)->lines.size(), 1);
    }
};

QTEST_MAIN(tst_GraphicsItems)
#include "tst_graphicsitems.moc"

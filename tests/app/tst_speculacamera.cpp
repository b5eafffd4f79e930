#include "app/LiveView.h"
#include "media/CameraLabel.h"
#include "scene/GraphicsItem.h"
#include "virtualscope/VirtualScope.h"

#include "ModalAnswerer.h"
#include "SceneLines.h"
#include "WindowTest.h"

#include <QtPlugin>

#include <QtTest>
#include <QtWidgets>

Q_IMPORT_PLUGIN(VirtualScopePlugin)

namespace {
const QString kKestrel = QStringLiteral("virtual:0c450223");
const QString kHeron = QStringLiteral("virtual:0ac80225");

} // namespace

class tst_SpeculaCamera : public WindowTest
{
    Q_OBJECT

private:
    QComboBox *box(const char *name) const { return child<QComboBox>(name); }
    // The window starts in English: texts are compared as the language in force shows them.
    static QString shown(const char *source)
    {
        return QCoreApplication::translate("Specula", source);
    }
    QString status() const { return child<QLabel>("labelStatus")->text(); }
    double statusRate() const
    {
        const QRegularExpression rate(QLatin1Char('^') + shown("帧率") +
                                      QStringLiteral(":([0-9.]+)fps"));
        const QRegularExpressionMatch match = rate.match(status());
        return match.hasMatch() ? match.captured(1).toDouble() : -1.0;
    }
    int starts(const QString &id) const { return m_scope->startCount(id.toLatin1()); }
    QSize stream(const QString &id) const { return m_scope->streamSize(id.toLatin1()); }
    bool streaming(const QString &id) const
    {
        return m_scope->streamFormat(id.toLatin1()) != QVideoFrame::Format_Invalid;
    }
    void addLine() { ::addLine(scene(), QPointF(100, 100), QPointF(400, 300)); }

    void beforeWindow() override { m_scope->reset(); }

    VirtualScope *m_scope = VirtualScope::instance();

private slots:
    void initTestCase() { prepare(); }
    // Each test starts with the first camera's pictures on screen.
    void init()
    {
        if (!newTestFunction())
            return;
        QVERIFY(freshWindow());
        QVERIFY(sceneShows(QSize(1920, 1080)));
    }

    void cleanupTestCase()
    {
        closeWindow();
        // The destructor stops every running camera.
        QVERIFY(!streaming(kKestrel));
        QVERIFY(!streaming(kHeron));
    }

    void startsTheFirstCameraAtItsDefault()
    {
        // The camera no profile knows is not offered.
        QCOMPARE(box("boxCam")->count(), 2);
        QCOMPARE(box("boxCam")->currentIndex(), 0);
        QCOMPARE(m_window->cameraId(), kKestrel);
        QCOMPARE(box("boxResolution")->count(), 5);
        QCOMPARE(box("boxResolution")->currentText(), QStringLiteral("1920 x 1080"));
        QCOMPARE(box("boxFormat")->currentText(), QStringLiteral("MJPG"));
        QCOMPARE(stream(kKestrel), QSize(1920, 1080));
        QCOMPARE(m_scope->streamFormat(kKestrel.toLatin1()), QVideoFrame::Format_Jpeg);
        QCOMPARE(starts(kKestrel), 1);
        QVERIFY(!streaming(kHeron));

        QVERIFY(sceneShows(QSize(1920, 1080)));
        QVERIFY(!scene()->isOffline());
        QTRY_VERIFY_WITH_TIMEOUT(statusRate() > 0.0, kWait);
        QCOMPARE(child<QLabel>("labelResInfo")->text(), QStringLiteral("1920 * 1080"));
        QVERIFY(m_window->isCapture(kKestrel));

        const Config &config = m_window->config();
        QCOMPARE(config.currentCamera, kKestrel);
        const CameraConfig stored = config.cameraInfo(kKestrel);
        QCOMPARE(stored.format, QStringLiteral("MJPG"));
        QCOMPARE(stored.brightness.value, 50);
    }

    void statusShowsCursorAndColour()
    {
        m_window->onCoorInfo(QPoint(0, 0), QColor(10, 20, 30));
        QVERIFY2(status().endsWith(shown("坐标") + QStringLiteral(":-960,540 (R: 10 G: 20 B: 30)")),
                 qPrintable(status()));
    }

    void resolutionChangeAsksFirst()
    {
        addLine();
        {
            const ModalAnswerer no(QMessageBox::No);
            box("boxResolution")->setCurrentText(QStringLiteral("1280 x 1024"));
            QCOMPARE(no.texts, QStringList{Specula::tr("改变分辨率会清空测量")});
        }
        QCOMPARE(stream(kKestrel), QSize(1920, 1080));
        QVERIFY(!scene()->isEmpty());

        {
            const ModalAnswerer yes(QMessageBox::Yes);
            box("boxResolution")->setCurrentText(QStringLiteral("1280 x 1024"));
            QCOMPARE(yes.texts.size(), 1);
        }
        QVERIFY(scene()->isEmpty());
        QVERIFY(sceneShows(QSize(1280, 1024)));
        QCOMPARE(child<QLabel>("labelResInfo")->text(), QStringLiteral("1280 * 1024"));

        // Without measurements nothing is asked.
        const ModalAnswerer any(QMessageBox::Yes);
        box("boxResolution")->setCurrentText(QStringLiteral("1920 x 1080"));
        QVERIFY(any.texts.isEmpty());
        QVERIFY(sceneShows(QSize(1920, 1080)));
    }

    void formatChange()
    {
        const int before = starts(kKestrel);
        box("boxFormat")->setCurrentText(QStringLiteral("YUV"));
        QCOMPARE(starts(kKestrel), before + 1);
        QCOMPARE(m_scope->streamFormat(kKestrel.toLatin1()), QVideoFrame::Format_RGB32);
        QCOMPARE(m_window->config().cameraInfo(kKestrel).format, QStringLiteral("YUV"));
        box("boxFormat")->setCurrentText(QStringLiteral("MJPG"));
        QCOMPARE(m_scope->streamFormat(kKestrel.toLatin1()), QVideoFrame::Format_Jpeg);
        QCOMPARE(stream(kKestrel), QSize(1920, 1080));
    }

    void zoom_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("renderScale");
        QTest::newRow("Scale") << 0 << 1.0;
        QTest::newRow("0.5x") << 1 << 0.5;
        QTest::newRow("2.5x") << 4 << 2.5;
        QTest::newRow("1.0x") << 2 << 1.0;
    }

    void zoom()
    {
        QFETCH(int, index);
        box("comboZoom")->setCurrentIndex(index);
        QTEST(m_window->getRenderScale(), "renderScale");
        const QSize picture(1920, 1080);
        const QSize expected = index == 0 ? fitViewSize(picture, child<QWidget>("mainPage")->size())
                                          : zoomedViewSize(picture, m_window->getRenderScale());
        auto *viewer = child<CameraViewer>("camViewer");
        QCOMPARE(viewer->size(), expected);
        QCOMPARE(scene()->xscale(), expected.width() / 1920.0);
    }

    void fourViewPage()
    {
        QTest::mouseClick(child<QToolButton>("btnCalib"), Qt::LeftButton);
        QCOMPARE(child<QStackedWidget>("rightStackWidget")->currentIndex(), 2);
        tile(2)->setImageFile(QStringLiteral(":/Specula/image/splash.png"));

        QTest::mouseClick(child<QToolButton>("btnScreenSwitch"), Qt::LeftButton);
        QCOMPARE(child<QStackedWidget>("stackMainWidget")->currentIndex(), 1);
        QVERIFY(!child<QWidget>("btnCalib")->isEnabled());
        QVERIFY(!child<QWidget>("btnRecord")->isEnabled());
        QCOMPARE(child<QStackedWidget>("rightStackWidget")->currentIndex(), 1);
        QVERIFY(tile(2)->image().isNull()); // the still tiles start empty
        const QSize page = child<QWidget>("viewPage")->size();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(tile(i)->geometry(), fourViewRect(page, i));

        QTRY_VERIFY_WITH_TIMEOUT(tile(0)->image().size() == QSize(1920, 1080), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(
            QRegularExpression(QLatin1Char('^') + shown("帧率") + QStringLiteral(":[0-9.]+fps$"))
                .match(status())
                .hasMatch(),
            kWait);

        // A frozen live tile keeps its picture while frames arrive.
        tile(0)->freezeButton()->click();
        QVERIFY(tile(0)->isDongjie());
        const QImage held = tile(0)->image();
        const int presented = m_scope->presentedFrames(kKestrel.toLatin1());
        QTRY_VERIFY_WITH_TIMEOUT(m_scope->presentedFrames(kKestrel.toLatin1()) > presented + 3,
                                 kWait);
        QCoreApplication::processEvents();
        QCOMPARE(tile(0)->image(), held);
        tile(0)->freezeButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(tile(0)->image() != held, kWait);

        QTest::mouseClick(child<QToolButton>("btnScreenSwitch"), Qt::LeftButton);
        QCOMPARE(child<QStackedWidget>("stackMainWidget")->currentIndex(), 0);
        QVERIFY(child<QWidget>("btnCalib")->isEnabled());
        QVERIFY(child<QWidget>("btnRecord")->isEnabled());
        QCOMPARE(m_window->getCameraViewChecked(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(status().contains(shown("坐标")), kWait);
    }

    void secondCameraReplacesTheFirst()
    {
        box("boxCam")->setCurrentIndex(1);
        QCOMPARE(m_window->cameraId(), kHeron);
        QVERIFY(!streaming(kKestrel));
        QCOMPARE(m_window->cameraDatas().keys(), QStringList{kHeron});
        // Heron's profile default, index 2 of its sorted list.
        QCOMPARE(box("boxResolution")->currentText(), QStringLiteral("1920 x 1080"));
        QCOMPARE(stream(kHeron), QSize(1920, 1080));
        QVERIFY(sceneShows(QSize(1920, 1080)));

        // Back to the first camera: its stored settings.
        box("boxCam")->setCurrentIndex(0);
        QCOMPARE(m_window->cameraId(), kKestrel);
        QVERIFY(!streaming(kHeron));
        QCOMPARE(stream(kKestrel), QSize(1920, 1080));
    }

    void measureOnTheLivePicture()
    {
        // One of each kind, drawn with the mouse on the fitted live picture. Set
        // LUMIVEX_SCREENSHOT to a file name to keep a picture of the window.
        m_window->resize(1600, 1000);
        box("comboZoom")->setCurrentIndex(0);
        QTest::mouseClick(child<QToolButton>("btnCalib"), Qt::LeftButton);
        QVERIFY(scene()->isEditable());
        QVERIFY(sceneShows(QSize(1920, 1080)));
        QTRY_COMPARE(child<CameraViewer>("camViewer")->size(),
                     fitViewSize(QSize(1920, 1080), child<QWidget>("mainPage")->size()));

        struct Shape
        {
            int kind;
            QVector<QPointF> points;
            bool rightEnds;
        };
        // Four columns of 480 picture pixels, the long labels on the left.
        const QVector<Shape> shapes{
            {GraphicsType::Rect, {{40, 60}, {340, 220}}, false},
            {GraphicsType::Line, {{520, 200}, {880, 80}}, false},
            {GraphicsType::BrokenLine, {{1000, 80}, {1100, 220}, {1200, 80}, {1300, 220}}, true},
            {GraphicsType::Point, {{1560, 140}}, false},
            {GraphicsType::Polygon, {{40, 330}, {300, 310}, {380, 480}, {120, 500}}, true},
            {GraphicsType::ParallelLine, {{520, 330}, {880, 330}, {540, 480}, {860, 480}}, false},
            {GraphicsType::VerticalLine, {{1000, 330}, {1360, 330}, {1180, 500}}, false},
            {GraphicsType::Cross, {{1650, 380}, {1700, 420}}, false},
            {GraphicsType::Arc, {{60, 760}, {220, 600}, {380, 760}}, false},
            {GraphicsType::Circle1, {{640, 680}, {720, 680}}, false},
            {GraphicsType::Circle2, {{1000, 680}, {1180, 680}}, false},
            {GraphicsType::AngleLine, {{1500, 760}, {1620, 600}, {1760, 760}}, false},
            {GraphicsType::Circle3, {{60, 960}, {180, 860}, {300, 960}}, false},
            {GraphicsType::DoubleCircle, {{620, 940}, {660, 940}, {720, 940}}, false},
            {GraphicsType::CircleLine, {{1000, 940}, {1050, 940}, {1200, 940}, {1250, 940}}, false},
            {GraphicsType::Text, {{1560, 960}}, false},
        };
        auto *viewer = child<CameraViewer>("camViewer");
        const auto send = [viewer](QEvent::Type type, QPointF p, Qt::MouseButton button,
                                   Qt::MouseButtons buttons) {
            const QPoint pos = viewer->mapFromScene(p);
            QMouseEvent event(type, pos, viewer->viewport()->mapToGlobal(pos), button, buttons,
                              Qt::NoModifier);
            QApplication::sendEvent(viewer->viewport(), &event);
        };
        const ModalAnswerer note({}, typeText(QStringLiteral("Specimen A")));
        for (const Shape &shape : shapes) {
            scene()->setGraphicType(shape.kind);
            for (const QPointF &p : shape.points) {
                send(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
                send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
                send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
            }
            if (shape.rightEnds) {
                const QPointF last = shape.points.last();
                send(QEvent::MouseButtonPress, last, Qt::RightButton, Qt::RightButton);
                send(QEvent::MouseButtonRelease, last, Qt::RightButton, Qt::NoButton);
            }
        }
        QCOMPARE(scene()->graphics().size(), shapes.size());
        for (int i = 0; i < shapes.size(); ++i)
            QCOMPARE(scene()->graphics().at(i)->type(), shapes.at(i).kind);
        // Further frames of the same size keep the measurements.
        const int presented = m_scope->presentedFrames(kKestrel.toLatin1());
        QTRY_VERIFY_WITH_TIMEOUT(m_scope->presentedFrames(kKestrel.toLatin1()) > presented + 3,
                                 kWait);
        QCoreApplication::processEvents();
        QCOMPARE(scene()->graphics().size(), shapes.size());

        const QString shot = qEnvironmentVariable("LUMIVEX_SCREENSHOT");
        QTest::mouseClick(child<QToolButton>("btnSetting"), Qt::LeftButton);
        if (!shot.isEmpty()) {
            // A cursor over a cell, and a frame rate no longer counting the frames that queued
            // up while the test drew.
            const QPoint cursor(700, 520);
            const QColor colour = scene()->baseImage().pixelColor(cursor);
            for (int i = 0; i < 10; ++i)
                m_window->onCoorInfo(cursor, colour);
            QTRY_VERIFY_WITH_TIMEOUT(statusRate() > 0.0 && statusRate() < 31.0, kWait);
            m_window->grab().save(shot);
        }
        box("comboZoom")->setCurrentIndex(2);
    }

    void anotherCameraLeavingKeepsTheLiveView()
    {
        addLine();
        const int before = starts(kKestrel);
        m_scope->unplug(kHeron.toLatin1());
        m_window->onCameraTimer();
        QCOMPARE(box("boxCam")->count(), 1);
        QCOMPARE(m_window->cameraId(), kKestrel);
        QCOMPARE(starts(kKestrel), before);
        QVERIFY(!scene()->isEmpty());
        m_scope->plug(kHeron.toLatin1());
        m_window->onCameraTimer();
        QCOMPARE(box("boxCam")->count(), 2);
        QCOMPARE(box("boxCam")->currentIndex(), 0);
        QVERIFY(!scene()->isEmpty());
        QVERIFY(!streaming(kHeron));
    }

    void unplugStopsTheCamera()
    {
        m_scope->unplug(kKestrel.toLatin1());
        m_scope->unplug(kHeron.toLatin1());
        m_window->onCameraTimer();
        QCOMPARE(box("boxCam")->count(), 0);
        QCOMPARE(box("boxResolution")->count(), 0);
        QVERIFY(m_window->cameraId().isEmpty());
        QVERIFY(m_window->cameraDatas().isEmpty());
        QVERIFY(scene()->isOffline());
        // The view fills the page so the notice is not clipped to the last picture's size.
        QCOMPARE(child<QWidget>("camViewer")->size(),
                 child<QScrollArea>("mainPageScrollArea")->maximumViewportSize());
        QVERIFY(!streaming(kKestrel));
        QVERIFY(!box("boxResolution")->isEnabled());
        QCOMPARE(child<QLabel>("labelResInfo")->text(), QStringLiteral("0 * 0"));
        {
            const ModalAnswerer ok(QMessageBox::Ok);
            QVERIFY(!m_window->checkCam());
            QCOMPARE(ok.texts, QStringList{shown("设备未启动")});
        }

        // Plugged in again: the remembered camera comes back with its settings.
        m_scope->plug(kKestrel.toLatin1());
        m_window->onCameraTimer();
        QCOMPARE(box("boxCam")->count(), 1);
        QCOMPARE(m_window->cameraId(), kKestrel);
        QCOMPARE(stream(kKestrel), QSize(1920, 1080));
        QVERIFY(!scene()->isOffline());
        QVERIFY(sceneShows(QSize(1920, 1080)));
    }

    void failedStartSelectsNothing()
    {
        m_scope->unplug(kHeron.toLatin1());
        m_scope->unplug(kKestrel.toLatin1());
        m_window->onCameraTimer();
        m_scope->setFailOpen(kKestrel.toLatin1(), true);
        m_scope->plug(kKestrel.toLatin1());
        {
            const ModalAnswerer ok(QMessageBox::Ok);
            m_window->onCameraTimer();
            QCOMPARE(ok.texts, QStringList{shown("启动设备失败")});
        }
        QCOMPARE(box("boxCam")->count(), 1);
        QCOMPARE(box("boxCam")->currentIndex(), -1);
        QVERIFY(m_window->cameraId().isEmpty());
        QVERIFY(m_window->cameraDatas().isEmpty());

        m_scope->setFailOpen(kKestrel.toLatin1(), false);
        box("boxCam")->setCurrentIndex(0);
        QCOMPARE(m_window->cameraId(), kKestrel);
        QVERIFY(sceneShows(QSize(1920, 1080)));
    }
};

int main(int argc, char **argv)
{
    // Only the statically linked virtual microscope, the one this test controls.
    qunsetenv("QT_PLUGIN_PATH");
    QApplication app(argc, argv);
    tst_SpeculaCamera test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_speculacamera.moc"

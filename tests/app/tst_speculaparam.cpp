#include "capture/CvCaptureCAM_DShow.h"
#include "capture/FuncWidget.h"
#include "capture/QSwitchButton.h"
#include "scene/GraphicsItem.h"
#include "virtualscope/VirtualScope.h"

#include "SceneLines.h"
#include "WindowTest.h"

#include <QtPlugin>
#include <QtTest>
#include <QtWidgets>

#include <cstdlib>

Q_IMPORT_PLUGIN(VirtualScopePlugin)

namespace {
const QString kKestrel = QStringLiteral("virtual:0c450223");

bool near(QRgb a, QRgb b, int tolerance = 12)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}
} // namespace

// The camera page of the real window, driving the virtual microscope.
class tst_SpeculaParam : public WindowTest
{
    Q_OBJECT

private:
    template <typename T> T *control(const QString &name) const
    {
        const QList<T *> all = m_window->findChildren<T *>();
        for (T *c : all) {
            if (c->property("name").toString() == name)
                return c;
        }
        qFatal("no control %s", qPrintable(name));
        return nullptr;
    }
    QSwitchButton *switchNamed(const QString &name) const { return control<QSwitchButton>(name); }
    QSlider *slider(const QString &name) const { return control<QSlider>(name); }
    CameraConfig stored() const { return m_window->config().cameraInfo(kKestrel); }
    QRgb shownPixel() const
    {
        const QImage image = scene()->baseImage();
        return image.isNull() ? 0 : image.pixel(image.width() / 2, image.height() / 2);
    }
    /// Waits until the live picture (JPEG frames: roughly) shows that colour.
    bool shows(QRgb colour, int tolerance = 12) const
    {
        if (QTest::qWaitFor([&] { return near(shownPixel(), colour, tolerance); }, kWait))
            return true;
        qWarning("shows %08x, expected about %08x", shownPixel(), colour);
        return false;
    }
    /// Clicks a switch as a user would: its group folded out first.
    void click(QSwitchButton *button)
    {
        for (const char *name : {"btnBaoGuang", "btnColor", "btnBlance", "btnResever"}) {
            if (button->isVisible())
                break;
            requireChild<QPushButton>(m_window, name)->click();
        }
        QVERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void saveShot(const QString &name)
    {
        // Screenshots only when asked for (a run under a real X server).
        const QString dir = qEnvironmentVariable("LUMIVEX_SHOT_DIR");
        if (dir.isEmpty())
            return;
        QTest::qWait(300);
        m_window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    void beforeWindow() override
    {
        m_scope->reset();
        m_scope->showSolid(QColor(100, 150, 200));
    }

    VirtualScope *m_scope = VirtualScope::instance();
    CvCaptureCAM_DShow *m_cam = CvCaptureCAM_DShow::instance();

private slots:
    void initTestCase() { prepare(); }

    void init()
    {
        if (!newTestFunction())
            return;
        QVERIFY(freshWindow());
        QCOMPARE(m_window->cameraId(), kKestrel);
        QVERIFY(shows(qRgb(100, 150, 200)));
    }

    void groupsFoldOutOneAtATime()
    {
        const QList<QPushButton *> buttons{requireChild<QPushButton>(m_window, "btnBaoGuang"),
                                           requireChild<QPushButton>(m_window, "btnColor"),
                                           requireChild<QPushButton>(m_window, "btnBlance"),
                                           requireChild<QPushButton>(m_window, "btnResever")};
        const QList<FuncWidget *> groups = m_window->findChildren<FuncWidget *>();
        QCOMPARE(groups.size(), 4);
        const auto open = [&groups] {
            int n = 0;
            for (FuncWidget *g : groups)
                n += g->isVisible() ? 1 : 0;
            return n;
        };
        QCOMPARE(open(), 0);
        m_scope->showSpecimen(); // what the screenshots show
        const QStringList shots{QStringLiteral("camera-exposure"), QStringLiteral("camera-colour"),
                                QStringLiteral("camera-white-balance"),
                                QStringLiteral("camera-flip")};
        for (int k = 0; k < buttons.size(); ++k) {
            buttons.at(k)->click();
            QCOMPARE(open(), 1);
            saveShot(shots.at(k));
        }
        QVERIFY(switchNamed(QStringLiteral("水平翻转"))->isVisible());
        buttons.last()->click(); // the open group folds in again
        QCOMPARE(open(), 0);
        // "色温" has nothing behind it in the camera layer.
        QVERIFY(!slider(QStringLiteral("色温"))->isEnabled());
        m_scope->showSolid(QColor(100, 150, 200));
        QVERIFY(shows(qRgb(100, 150, 200)));
    }

    void slidersReachConfigAndCamera_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("prop");
        QTest::addColumn<int>("value");

        QTest::newRow("exposure time") << QStringLiteral("曝光时间") << 15 << 20;
        QTest::newRow("gain") << QStringLiteral("增益") << 14 << 150;
        QTest::newRow("brightness") << QStringLiteral("亮度") << 10 << 70;
        QTest::newRow("contrast") << QStringLiteral("对比度") << 11 << 80;
        QTest::newRow("saturation") << QStringLiteral("饱和度") << 12 << 10;
        QTest::newRow("hue") << QStringLiteral("色相") << 13 << 75;
        QTest::newRow("gamma") << QStringLiteral("伽马值") << 22 << 20;
        QTest::newRow("red gain") << QStringLiteral("红增益") << 39 << 90;
        QTest::newRow("green gain") << QStringLiteral("绿增益") << 40 << 20;
        QTest::newRow("blue gain") << QStringLiteral("蓝增益") << 41 << 70;
    }

    void slidersReachConfigAndCamera()
    {
        QFETCH(QString, name);
        QFETCH(int, prop);
        QFETCH(int, value);
        // The exposure time needs manual exposure, the channel gains manual white balance.
        if (prop == 15 && switchNamed(QStringLiteral("自动曝光"))->IsSelected())
            click(switchNamed(QStringLiteral("自动曝光")));
        if (prop >= 39 && switchNamed(QStringLiteral("自动白平衡"))->IsSelected())
            click(switchNamed(QStringLiteral("自动白平衡")));
        QSlider *s = slider(name);
        QVERIFY(s->isEnabled());
        QVERIFY(value >= s->minimum() && value <= s->maximum());

        const QRgb before = shownPixel();
        s->setValue(value);
        const CameraParam reported = m_cam->getParam(kKestrel, prop);
        QCOMPARE(reported.value, value);
        const CameraConfig c = stored();
        const int kept = prop == 15   ? c.exposure.value
                         : prop == 14 ? c.gain.value
                         : prop == 10 ? c.brightness.value
                         : prop == 11 ? c.contrast.value
                         : prop == 12 ? c.saturation.value
                         : prop == 13 ? c.hue.value
                         : prop == 22 ? c.gamma.value
                         : prop == 39 ? int(c.redGain)
                         : prop == 40 ? int(c.greenGain)
                                      : int(c.blueGain);
        QCOMPARE(kept, value);
        // Every control shows in the picture.
        QTRY_VERIFY_WITH_TIMEOUT(!near(shownPixel(), before, 6), kWait);
    }

    void wheelChangesNothing()
    {
        QSlider *s = slider(QStringLiteral("亮度"));
        const int value = s->value();
        QWheelEvent wheel(QPointF(5, 5), QPointF(s->mapToGlobal(QPoint(5, 5))), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(s, &wheel);
        QCOMPARE(s->value(), value);
        QCOMPARE(stored().brightness.value, value);
    }

    void resetRestoresDefaults()
    {
        slider(QStringLiteral("亮度"))->setValue(70);
        click(switchNamed(QStringLiteral("自动曝光")));
        click(switchNamed(QStringLiteral("黑白")));
        click(switchNamed(QStringLiteral("垂直翻转")));
        QVERIFY(stored().blackWhite);
        QVERIFY(stored().flipVertical);
        requireChild<QPushButton>(m_window, "btnCamParamReset")->click();
        const CameraConfig c = stored();
        QVERIFY(!c.blackWhite);
        QVERIFY(!c.flipHorizontal);
        QVERIFY(!c.flipVertical);
        QCOMPARE(c.brightness.value, 50);
        QCOMPARE(c.hue.value, 50);
        QCOMPARE(c.gain.value, 100);
        QCOMPARE(c.redGain, 50.0);
        QVERIFY(c.autoWhiteBalance);
        QVERIFY(c.exposure.isAuto());
        QVERIFY(!switchNamed(QStringLiteral("黑白"))->IsSelected());
        QVERIFY(switchNamed(QStringLiteral("自动曝光"))->IsSelected());
        QVERIFY(!slider(QStringLiteral("曝光时间"))->isEnabled());
        QVERIFY(!slider(QStringLiteral("红增益"))->isEnabled());
        QCOMPARE(slider(QStringLiteral("亮度"))->value(), 50);
        // The camera got the defaults: the picture is the plain one again.
        QCOMPARE(m_cam->getParam(kKestrel, 13).value, 50);
        QVERIFY(shows(qRgb(100, 150, 200)));
    }

    void blackWhiteShowsGreyAndKeepsMeasurements()
    {
        addLine(scene(), QPointF(100, 100), QPointF(400, 300));
        const int items = scene()->items().size();

        click(switchNamed(QStringLiteral("黑白")));
        QVERIFY(stored().blackWhite);
        QTRY_VERIFY_WITH_TIMEOUT(scene()->baseImage().isGrayscale(), kWait);
        QCOMPARE(scene()->items().size(), items);
        click(switchNamed(QStringLiteral("黑白")));
        QTRY_VERIFY_WITH_TIMEOUT(!scene()->baseImage().isGrayscale(), kWait);
        scene()->clear();
    }

    void groupsFollowTheLanguage()
    {
        const auto labelShown = [this](const QString &text) {
            for (FuncWidget *group : m_window->findChildren<FuncWidget *>()) {
                for (QLabel *label : group->findChildren<QLabel *>()) {
                    if (label->text() == text)
                        return true;
                }
            }
            return false;
        };
        // A translator of the test's own, beside the window's: it translates "黑白" only.
        QTranslator extra;
        QVERIFY(extra.load(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/testlang/panel_test.qm")));
        QCoreApplication::installTranslator(&extra);
        m_window->switchLang(0);
        QVERIFY(labelShown(QStringLiteral("B/W (test)")));
        QVERIFY(labelShown(QStringLiteral("水平翻转")));
        // Controls are still found by their source names.
        click(switchNamed(QStringLiteral("黑白")));
        QVERIFY(stored().blackWhite);
        click(switchNamed(QStringLiteral("黑白")));
        QCoreApplication::removeTranslator(&extra);
        m_window->switchLang(0);
        QVERIFY(labelShown(QStringLiteral("黑白")));
    }

    void flipShowsAtOnceAndSurvivesRestart()
    {
        QImage halves(1920, 1080, QImage::Format_RGB32);
        halves.fill(Qt::blue);
        QPainter(&halves).fillRect(0, 0, 960, 1080, Qt::red);
        m_scope->showImage(halves);
        const auto leftEdge = [this] {
            const QImage image = scene()->baseImage();
            return image.isNull() ? QRgb(0) : image.pixel(10, image.height() / 2);
        };
        QTRY_VERIFY_WITH_TIMEOUT(near(leftEdge(), qRgb(255, 0, 0), 40), kWait);
        click(switchNamed(QStringLiteral("水平翻转")));
        QVERIFY(stored().flipHorizontal);
        QTRY_VERIFY_WITH_TIMEOUT(near(leftEdge(), qRgb(0, 0, 255), 40), kWait);

        // A new window reads the settings the old one wrote and starts mirrored.
        QVERIFY(restart());
        QVERIFY(stored().flipHorizontal);
        QVERIFY(switchNamed(QStringLiteral("水平翻转"))->IsSelected());
        QTRY_VERIFY_WITH_TIMEOUT(near(leftEdge(), qRgb(0, 0, 255), 40), kWait);
    }
};

QTEST_MAIN(tst_SpeculaParam)
#include "tst_speculaparam.moc"

#include "app/CameraChooser.h"
#include "app/DeviceProfile.h"
#include "app/LiveCameras.h"
#include "app/LiveView.h"
#include "capture/CameraParamPanel.h"
#include "capture/CvCaptureCAM_DShow.h"
#include "config/Config.h"
#include "scene/CameraScene.h"
#include "virtualscope/VirtualScope.h"

#include "SceneLines.h"

#include <QtPlugin>
#include <QtTest>
#include <QtWidgets>

Q_IMPORT_PLUGIN(VirtualScopePlugin)

namespace {
const QString kKestrel = QStringLiteral("virtual:0c450223");
const QString kHeron = QStringLiteral("virtual:0ac80225");
} // namespace

// The camera boxes and the start/stop sequence on a page of their own, driving the virtual
// microscope; the signals are logged in the order they come.
class tst_CameraChooser : public QObject
{
    Q_OBJECT

    CvCaptureCAM_DShow *m_cam = CvCaptureCAM_DShow::instance();
    QWidget *m_page = nullptr;
    QComboBox *m_boxCam = nullptr;
    QComboBox *m_boxResolution = nullptr;
    QWidget *m_params = nullptr;
    Config m_config;
    LiveCameras m_live;
    CameraScene *m_scene = nullptr;
    CameraChooser *m_chooser = nullptr;
    QStringList m_log;
    bool m_answer = true;

private slots:
    // The camera service lists the supported microscopes only.
    void initTestCase() { initSetting(); }
    void init()
    {
        VirtualScope::instance()->reset();
        m_config = Config();
        m_live = LiveCameras();
        m_log.clear();
        m_page = new QWidget;
        m_boxCam = new QComboBox(m_page);
        m_boxResolution = new QComboBox(m_page);
        m_params = new QWidget(m_page);
        auto *layout = new QVBoxLayout(m_params);
        QVector<QPushButton *> buttons;
        for (int k = 0; k < 4; ++k) {
            buttons.append(new QPushButton(m_params));
            layout->addWidget(buttons.last());
        }
        auto *panel = new CameraParamPanel(m_params, buttons, m_cam, &m_config, m_page);
        m_scene = new CameraScene(m_page);
        m_scene->setConfig(&m_config);
        m_chooser = new CameraChooser({m_boxCam, m_boxResolution, new QComboBox(m_page), m_params},
                                      m_cam, &m_live, &m_config, m_scene, panel, m_page);
        m_chooser->setConfirmClear([this] {
            m_log << "confirm";
            return m_answer;
        });
        connect(m_chooser, &CameraChooser::stopping, this,
                [this](const QString &id) { m_log << "stopping " + id; });
        connect(m_chooser, &CameraChooser::startFailed, this, [this] { m_log << "failed"; });
        connect(m_chooser, &CameraChooser::started, this,
                [this](const QString &id) { m_log << "started " + id; });
        connect(m_chooser, &CameraChooser::currentChanged, this,
                [this](const QString &id) { m_log << "current " + id; });
        connect(m_chooser, &CameraChooser::resolutionChanging, this,
                [this] { m_log << "changing"; });
        connect(m_chooser, &CameraChooser::sizeChanged, this, [this] { m_log << "size"; });
    }
    void cleanup()
    {
        while (!m_live.datas().isEmpty())
            m_chooser->stop(m_live.datas().firstKey());
        delete m_page;
    }

    // The stored camera starts with the list; choosing another stops it first.
    void storedCameraThenAnother()
    {
        m_config.currentCamera = kHeron;
        m_chooser->refresh();
        QCOMPARE(m_live.current(), kHeron);
        QCOMPARE(m_boxCam->currentIndex(), m_live.boxIndex(kHeron));
        QCOMPARE(m_log, QStringList({"current ", "current " + kHeron, "started " + kHeron}));
        QVERIFY(m_params->isEnabled() && m_boxResolution->isEnabled());
        QCOMPARE(m_boxResolution->count(),
                 m_live.list().at(m_live.boxIndex(kHeron)).resolutions.size());
        // An unchanged list leaves the boxes and the camera alone.
        m_log.clear();
        m_chooser->refresh();
        QVERIFY(m_log.isEmpty());

        m_boxCam->setCurrentIndex(m_live.boxIndex(kKestrel));
        QCOMPARE(m_log, QStringList({"stopping " + kHeron, "current ", "current " + kKestrel,
                                     "started " + kKestrel}));
        QVERIFY(!m_live.isRunning(kHeron));
        QCOMPARE(m_config.currentCamera, kKestrel);
        QCOMPARE(m_config.cameraInfo(kKestrel).resolution, m_live.size(kKestrel));

        m_log.clear();
        m_chooser->stop(kKestrel);
        QCOMPARE(m_log, QStringList({"stopping " + kKestrel, "current "}));
        QVERIFY(!m_params->isEnabled() && !m_boxResolution->isEnabled());
        QCOMPARE(m_boxCam->currentIndex(), -1);
    }

    void failedStart_data()
    {
        QTest::addColumn<bool>("showError");
        QTest::newRow("quiet") << false;
        QTest::newRow("told") << true;
    }
    void failedStart()
    {
        QFETCH(bool, showError);
        m_chooser->refresh();
        VirtualScope::instance()->setFailOpen(kHeron.toLatin1(), true);
        QVERIFY(!m_chooser->start(1, kHeron, showError));
        QCOMPARE(m_log.endsWith("failed"), showError);
        QVERIFY(!m_live.isRunning(kHeron));
        QCOMPARE(m_live.current(), kKestrel);
    }

    void resolutionChange_data()
    {
        QTest::addColumn<bool>("measured");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("changed");
        QTest::newRow("nothing to lose")
            << false << false << QStringList{"changing", "size"} << true;
        QTest::newRow("cleared") << true << true << QStringList{"confirm", "changing", "size"}
                                 << true;
        QTest::newRow("kept") << true << false << QStringList{"confirm"} << false;
    }
    void resolutionChange()
    {
        QFETCH(bool, measured);
        QFETCH(bool, answer);
        QFETCH(QStringList, log);
        QFETCH(bool, changed);
        m_chooser->refresh();
        const QSize before = m_live.size(kKestrel);
        const int starts = VirtualScope::instance()->startCount(kKestrel.toLatin1());
        const QString text = m_boxResolution->currentText();
        const QString next = m_boxResolution->itemText((m_boxResolution->currentIndex() + 1) %
                                                       m_boxResolution->count());
        QSize size;
        QVERIFY(parseResolution(next, &size.rwidth(), &size.rheight()));
        if (measured)
            addLine(m_scene);
        m_answer = answer;
        m_log.clear();
        m_boxResolution->setCurrentText(next);
        QCOMPARE(m_log, log);
        QCOMPARE(m_live.size(kKestrel), changed ? size : before);
        QCOMPARE(m_config.cameraInfo(kKestrel).resolution, m_live.size(kKestrel));
        QCOMPARE(VirtualScope::instance()->streamSize(kKestrel.toLatin1()), m_live.size(kKestrel));
        // One restart for width and height.
        QCOMPARE(VirtualScope::instance()->startCount(kKestrel.toLatin1()), starts + int(changed));
        QCOMPARE(m_boxResolution->currentText(), changed ? next : text);
        QCOMPARE(m_scene->isEmpty(), changed || !measured);
    }
};

QTEST_MAIN(tst_CameraChooser)
#include "tst_camerachooser.moc"

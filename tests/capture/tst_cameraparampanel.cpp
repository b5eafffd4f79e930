#include "capture/CameraParamPanel.h"
#include "capture/CameraProperty.h"
#include "capture/CvCaptureCAM_DShow.h"
#include "capture/FuncWidget.h"
#include "capture/QSwitchButton.h"
#include "config/Config.h"
#include "virtualscope/VirtualScope.h"

#include <QtPlugin>
#include <QtTest>
#include <QtWidgets>

Q_IMPORT_PLUGIN(VirtualScopePlugin)

namespace {
const QString kKestrel = QStringLiteral("virtual:0c450223");
} // namespace

// The camera parameter panel on a page of its own, driving the virtual microscope.
class tst_CameraParamPanel : public QObject
{
    Q_OBJECT

    CvCaptureCAM_DShow *m_cam = nullptr;
    QWidget *m_page = nullptr;
    QVector<QPushButton *> m_buttons;
    Config m_config;
    CameraParamPanel *m_panel = nullptr;
    QString m_target = kKestrel;

    CameraConfig stored() const { return m_config.cameraInfo(kKestrel); }

private slots:
    void initTestCase()
    {
        VirtualScope::instance()->reset();
        m_cam = CvCaptureCAM_DShow::instance();
        m_cam->init();
        QVERIFY(m_cam->open(kKestrel, 1280, 1024, "YUV"));
    }
    void cleanupTestCase() { m_cam->close(kKestrel); }

    void init()
    {
        m_config = Config();
        m_target = kKestrel;
        m_page = new QWidget;
        auto *layout = new QVBoxLayout(m_page);
        m_buttons.clear();
        for (int k = 0; k < 4; ++k) {
            m_buttons.append(new QPushButton(m_page));
            layout->addWidget(m_buttons.last());
        }
        m_panel = new CameraParamPanel(m_page, m_buttons, m_cam, &m_config, m_page);
        m_panel->setTarget([this] { return m_target; });
    }
    void cleanup() { delete m_page; }

    void groupsLieBelowTheirButtons()
    {
        const auto *layout = static_cast<QBoxLayout *>(m_page->layout());
        for (int k = 0; k < 4; ++k)
            QCOMPARE(layout->indexOf(m_panel->groups().at(k)),
                     layout->indexOf(m_buttons.at(k)) + 1);
        // Exposure and white balance are offered once a camera has them.
        QVERIFY(m_buttons.at(0)->isHidden() && m_buttons.at(2)->isHidden());
        m_panel->readParams(kKestrel);
        m_panel->sync(kKestrel);
        QVERIFY(!m_buttons.at(0)->isHidden() && !m_buttons.at(2)->isHidden());
        m_panel->showGroup(1);
        m_panel->showGroup(3);
        QVERIFY(m_panel->groups().at(1)->isHidden());
        QVERIFY(!m_panel->groups().at(3)->isHidden());
    }

    void readSyncWrite()
    {
        m_panel->readParams(kKestrel);
        const CameraConfig read = stored();
        QVERIFY(read.paramsRead && read.brightness.valid);
        QCOMPARE(read.resolution, QSize(1280, 1024));
        QCOMPARE(read.brightness.value,
                 m_cam->getParam(kKestrel, CameraProperty::Brightness).value);

        // Refreshing the controls writes nothing back, to the record or the camera; they show
        // the record, here away from the defaults with manual white balance.
        CameraConfig chosen = read;
        chosen.brightness.value = 60;
        chosen.autoWhiteBalance = false;
        chosen.redGain = 90;
        m_config.setCameraInfo(kKestrel, chosen);
        m_cam->setProperty(kKestrel, CameraProperty::Brightness, 70);
        m_panel->sync(kKestrel);
        QCOMPARE(m_panel->sliderNamed(QStringLiteral("亮度"))->value(), 60);
        QCOMPARE(m_panel->sliderNamed(QStringLiteral("红增益"))->value(), 90);
        QVERIFY(!m_panel->switchNamed(QStringLiteral("自动白平衡"))->IsSelected());
        const CameraConfig after = stored();
        QCOMPARE(after.brightness.value, 60);
        QCOMPARE(after.exposure.value, read.exposure.value);
        QCOMPARE(after.redGain, 90.0);
        QVERIFY(!after.autoWhiteBalance);
        QCOMPARE(m_cam->getParam(kKestrel, CameraProperty::Brightness).value, 70);

        m_panel->writeParams(kKestrel);
        QCOMPARE(m_cam->getParam(kKestrel, CameraProperty::Brightness).value, 60);
    }

    void controlsReachRecordAndCamera_data()
    {
        QTest::addColumn<bool>("target");
        QTest::newRow("running camera") << true;
        QTest::newRow("no camera") << false;
    }

    void controlsReachRecordAndCamera()
    {
        QFETCH(bool, target);
        m_panel->readParams(kKestrel);
        m_panel->sync(kKestrel);
        const CameraConfig before = stored();
        if (!target)
            m_target.clear();

        QSlider *contrast = m_panel->sliderNamed(QStringLiteral("对比度"));
        const int value = before.contrast.value == 60 ? 61 : 60;
        contrast->setValue(value);
        QCOMPARE(stored().contrast.value, target ? value : before.contrast.value);
        if (target)
            QCOMPARE(m_cam->getParam(kKestrel, CameraProperty::Contrast).value, value);

        // A switch nobody takes flips back to the state in force.
        QSwitchButton *flip = m_panel->switchNamed(QStringLiteral("水平翻转"));
        m_panel->groups().at(3)->show();
        m_page->show();
        QTest::mouseClick(flip, Qt::LeftButton);
        QCOMPARE(flip->IsSelected(), target);
        QCOMPARE(stored().flipHorizontal, target);
    }

    void resetRestoresDefaults()
    {
        m_panel->readParams(kKestrel);
        CameraConfig changed = stored();
        changed.blackWhite = true;
        changed.flipVertical = true;
        changed.hue.value = 80;
        m_config.setCameraInfo(kKestrel, changed);
        m_panel->writeParams(kKestrel);

        m_panel->reset();
        const CameraConfig c = stored();
        QVERIFY(!c.blackWhite && !c.flipVertical);
        QCOMPARE(c.hue.value, 50);
        QCOMPARE(m_cam->getParam(kKestrel, CameraProperty::Hue).value, 50);
        QVERIFY(!m_panel->switchNamed(QStringLiteral("垂直翻转"))->IsSelected());
    }
};

QTEST_MAIN(tst_CameraParamPanel)
#include "tst_cameraparampanel.moc"

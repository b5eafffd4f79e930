#include "capture/CameraParamNames.h"
#include "capture/FuncWidget.h"
#include "capture/QSwitchButton.h"

#include <QtTest>
#include <QtWidgets>

// The parameter panel's widgets and its name table, without a camera.
class tst_ParamWidgets : public QObject
{
    Q_OBJECT

private slots:
    void switchTogglesOnlyWhileEnabled()
    {
        QSwitchButton button;
        QVERIFY(button.IsSelected()); // a new switch is on
        QCOMPARE(button.sizeHint(), QSize(61, 27));
        QSignalSpy plain(&button, SIGNAL(clicked()));
        QSignalSpy withState(&button, SIGNAL(clicked(bool)));
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(!button.IsSelected());
        QCOMPARE(plain.count(), 1);
        QCOMPARE(withState.count(), 1);
        QCOMPARE(withState.at(0).at(0).toBool(), false);

        button.SetSelected(true); // quietly
        QCOMPARE(withState.count(), 1);
        button.SetEnabel(false);
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(button.IsSelected());
        QCOMPARE(withState.count(), 1);
        QVERIFY(!button.IsEnable());
    }

    void groupFilesControlsByName()
    {
        FuncWidget group;
        QSwitchButton *sw = group.addSwicth(QStringLiteral("黑白"), false);
        QSlider *slider = group.addSlider(QStringLiteral("亮度"));
        QVERIFY(!sw->IsSelected());
        QCOMPARE(sw->property("name").toString(), QStringLiteral("黑白"));
        QCOMPARE(slider->property("name").toString(), QStringLiteral("亮度"));

        const auto labelTexts = [&group] {
            QStringList texts;
            for (QLabel *label : group.findChildren<QLabel *>())
                texts.append(label->text());
            return texts;
        };
        slider->setRange(0, 100);
        slider->setValue(42);
        QVERIFY(labelTexts().contains(QStringLiteral("42")));
        group.setLabelText(QStringLiteral("亮度"), QStringLiteral("Brightness"));
        QVERIFY(labelTexts().contains(QStringLiteral("Brightness")));
        group.setLabelText(QStringLiteral("去雾"), QStringLiteral("Dehaze")); // no such control
        QVERIFY(!labelTexts().contains(QStringLiteral("Dehaze")));

        // A taller text (another script's line height) makes room for itself: no scroll bar.
        const int before = group.maximumHeight();
        group.setLabelText(QStringLiteral("亮度"), QStringLiteral("Bright\nness"));
        QVERIFY2(group.maximumHeight() > before, qPrintable(QString::number(before)));
        QCOMPARE(group.maximumHeight(), group.sizeHint().height());
    }

    void wheelLeavesSlidersAlone()
    {
        FuncWidget group;
        QSlider *slider = group.addSlider(QStringLiteral("增益"));
        slider->setRange(0, 100);
        slider->setValue(50);
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &wheel);
        QCOMPARE(slider->value(), 50);
    }

    void slidersStoreAndShow()
    {
        CameraConfig config;
        QCOMPARE(CameraParamNames::storeSlider(config, QStringLiteral("色相"), 70), 13);
        QCOMPARE(config.hue.value, 70);
        QCOMPARE(CameraParamNames::storeSlider(config, QStringLiteral("蓝增益"), 30), 41);
        QCOMPARE(config.blueGain, 30.0);
        QCOMPARE(CameraParamNames::storeSlider(config, QStringLiteral("色温"), 30), -1);

        // The exposure time is free only in manual exposure; the gains only in manual white
        // balance, with the camera's range.
        config.exposure = CameraParam{true, 33, 33, 1, 250, 1, 1, 3};
        const auto *exposure = CameraParamNames::findSlider(QStringLiteral("曝光时间"));
        QVERIFY(exposure);
        auto view = CameraParamNames::sliderView(config, *exposure, true);
        QVERIFY(!view.enabled);
        QCOMPARE(view.maximum, 250);
        config.exposure.setAuto(false);
        QVERIFY(CameraParamNames::sliderView(config, *exposure, true).enabled);
        QVERIFY(!CameraParamNames::sliderView(config, *exposure, false).enabled);
        const auto *gain = CameraParamNames::findSlider(QStringLiteral("增益"));
        QVERIFY(CameraParamNames::sliderView(config, *gain, true).enabled);

        const auto *blue = CameraParamNames::findSlider(QStringLiteral("蓝增益"));
        config.autoWhiteBalance = true;
        view = CameraParamNames::sliderView(config, *blue, true, CameraParam{true, 0, 50, 0, 100});
        QVERIFY(!view.enabled);
        QCOMPARE(view.value, 30);
        QCOMPARE(view.maximum, 100);
        config.autoWhiteBalance = false;
        QVERIFY(CameraParamNames::sliderView(config, *blue, true).enabled);
    }
};

QTEST_MAIN(tst_ParamWidgets)
#include "tst_paramwidgets.moc"

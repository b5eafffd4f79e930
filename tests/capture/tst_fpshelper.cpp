#include "capture/FpsHelper.h"

#include <QtTest>

class tst_FpsHelper : public QObject
{
    Q_OBJECT

private slots:
    void empty()
    {
        FpsHelper fps;
        QCOMPARE(fps.getFps(1000), 0.0);
        QCOMPARE(fps.update(1000), 0.0);
    }

    void firstSecondCountsValues()
    {
        FpsHelper fps;
        const qint64 t0 = 1'700'000'000'000;
        fps.addValue(1, t0);
        QCOMPARE(fps.getFps(t0 + 200), 1.0);
        fps.addValue(1, t0 + 300);
        fps.addValue(1, t0 + 600);
        QCOMPARE(fps.getFps(t0 + 900), 3.0);
        // Past one second the sum is divided by the time since the first sample.
        QCOMPARE(fps.getFps(t0 + 2000), 1.5);
    }

    void slidingWindow()
    {
        FpsHelper fps;
        const qint64 t0 = 1'700'000'000'000;
        // 90 frames evenly over 3 seconds: about 30 per second.
        double rate = 0;
        for (int i = 0; i < 90; ++i)
            rate = fps.addValue(1, t0 + i * 3000 / 90);
        QVERIFY2(qAbs(rate - 30.0) < 1.0, qPrintable(QString::number(rate)));
        QCOMPARE(fps.sampleCount(), 90);

        // A sample leaves the window once its time + 3000 is no longer after now.
        fps.update(t0 + 3000);
        QCOMPARE(fps.sampleCount(), 89);
        fps.update(t0 + 3000 + 2965);
        QCOMPARE(fps.sampleCount(), 1);
        fps.update(t0 + 10000);
        QCOMPARE(fps.sampleCount(), 0);
        QCOMPARE(fps.getFps(t0 + 10000), 0.0);
    }

    void valuesAreSummed()
    {
        FpsHelper fps;
        fps.addValue(2.5, 5000);
        fps.addValue(0.5, 5100);
        QCOMPARE(fps.getFps(5500), 3.0);
        fps.clear();
        QCOMPARE(fps.sampleCount(), 0);
    }
};

QTEST_APPLESS_MAIN(tst_FpsHelper)
#include "tst_fpshelper.moc"

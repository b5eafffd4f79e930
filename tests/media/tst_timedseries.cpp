#include "config/Config.h"
#include "media/SettingTimeDialog.h"
#include "media/TimedSeries.h"

#include <QDateTimeEdit>
#include <QLCDNumber>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

namespace {

Config series(int type, int interval, int length, int total, const QDateTime &start)
{
    Config c;
    c.autoRecordOn = true;
    c.autoRecordType = type;
    c.autoRecordInterval = interval;
    c.autoRecordLength = length;
    c.autoRecordTotal = total;
    c.autoRecordStart = start;
    c.autoRecordNext = start;
    c.autoRecordCount = 0;
    return c;
}

} // namespace

class tst_TimedSeries : public QObject
{
    Q_OBJECT

private slots:
    void picturesFollowTheInterval()
    {
        // Interval 5 s, total 3, start 10 s ahead, ticked every second: pictures at the start,
        // five and ten seconds later, then nothing more.
        const QDateTime t0(QDate(2026, 3, 5), QTime(14, 0, 0));
        Config c = series(0, 5, 10, 3, t0.addSecs(10));
        QList<int> taken;
        for (int s = 0; s <= 40; ++s) {
            const QDateTime now = t0.addSecs(s);
            if (timedSeriesStep(c, now, false, 0) == TimedStep::Capture) {
                advanceAfterPicture(c, now);
                taken.append(s);
            }
        }
        QCOMPARE(taken, (QList<int>{10, 15, 20}));
        QVERIFY(timedSeriesDone(c));
        QCOMPARE(c.autoRecordCount, 3);
    }

    void videosFollowEachOtherWithTheGap()
    {
        // Length 10 s, interval 1 s, total 2: the second starts a second after the first stops.
        const QDateTime t0(QDate(2026, 3, 5), QTime(14, 0, 0));
        Config c = series(1, 1, 10, 2, t0);
        QList<int> starts;
        QList<int> stops;
        int startedAt = -1;
        for (int s = 0; s <= 60; ++s) {
            const QDateTime now = t0.addSecs(s);
            const bool running = startedAt >= 0;
            const qint64 ms = running ? (s - startedAt) * 1000 : 0;
            switch (timedSeriesStep(c, now, running, ms)) {
            case TimedStep::StartVideo:
                advanceBeforeVideo(c, now);
                startedAt = s;
                starts.append(s);
                break;
            case TimedStep::StopVideo:
                advanceAfterVideo(c, now);
                startedAt = -1;
                stops.append(s);
                break;
            default: break;
            }
        }
        QCOMPARE(starts, (QList<int>{0, 11}));
        QCOMPARE(stops, (QList<int>{10, 21}));
        QCOMPARE(c.autoRecordCount, 2);
        QVERIFY(timedSeriesDone(c));
    }

    void nothingBeforeTheStartOrWithoutASchedule()
    {
        const QDateTime now = QDateTime::currentDateTime();
        QCOMPARE(timedSeriesStep(series(0, 1, 10, 3, now.addSecs(1)), now, false, 0),
                 TimedStep::Wait);
        QCOMPARE(timedSeriesStep(series(0, 1, 10, 3, QDateTime()), now, false, 0), TimedStep::Wait);
        // A refused video counts like a refused picture, so a series without a camera ends.
        Config c = series(1, 1, 10, 2, now);
        advanceAfterVideo(c, now);
        advanceAfterVideo(c, now.addSecs(1));
        QVERIFY(timedSeriesDone(c));
        QCOMPARE(timedSeriesStep(c, now.addSecs(60), false, 0), TimedStep::Wait);
    }

    void dialogLocksWhileRunningAndCounts()
    {
        SettingTimeDialog dialog;
        Config c;
        c.autoRecordOn = true; // a stored running state never shows as running
        c.autoRecordType = 1;
        c.autoRecordTotal = 2;
        c.autoRecordCount = 5;
        dialog.setConfig(c);
        dialog.show();
        auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("btnOk"));
        auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"));
        auto *length = dialog.findChild<QSpinBox *>(QStringLiteral("lineLength"));
        auto *count = dialog.findChild<QLCDNumber *>(QStringLiteral("lineNumCapture"));
        auto *capture = dialog.findChild<QRadioButton *>(QStringLiteral("btnCapture"));
        QVERIFY(ok && cancel && length && count && capture);
        QVERIFY(ok->isEnabled());
        QVERIFY(!cancel->isEnabled());
        QVERIFY(length->isEnabled());
        QCOMPARE(count->intValue(), 5);
        QVERIFY(
            dialog.findChild<QDateTimeEdit *>(QStringLiteral("timeStart"))->dateTime().isValid());
        capture->click();
        QVERIFY(!length->isEnabled());

        // Running: settings locked, "停止" enabled; the count unlocks it at the total.
        Config running = dialog.config();
        running.autoRecordOn = true;
        running.autoRecordType = 0;
        running.autoRecordCount = 0;
        dialog.setConfig(running);
        dialog.paramToUi();
        QVERIFY(!ok->isEnabled());
        QVERIFY(cancel->isEnabled());
        dialog.onRecordFinish();
        QVERIFY(cancel->isEnabled());
        dialog.onRecordFinish();
        QCOMPARE(count->intValue(), 2);
        QVERIFY(ok->isEnabled());
        QVERIFY(!cancel->isEnabled());
    }
};

QTEST_MAIN(tst_TimedSeries)
#include "tst_timedseries.moc"

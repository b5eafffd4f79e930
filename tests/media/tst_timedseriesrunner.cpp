#include "config/Config.h"
#include "media/RecordSession.h"
#include "media/TimedSeriesRunner.h"

#include <QtTest>

// The runner's steps, driven tick by tick, with a recording session of its own and counters
// standing in for the window's capture.
class tst_TimedSeriesRunner : public QObject
{
    Q_OBJECT

    Config m_config;
    QTemporaryDir m_dir;

    Config series(int type, int total) const
    {
        Config c;
        c.autoRecordOn = true;
        c.autoRecordType = type;
        c.autoRecordNext = QDateTime::currentDateTime().addSecs(-1); // due
        c.autoRecordInterval = 1;
        c.autoRecordLength = 10;
        c.autoRecordTotal = total;
        return c;
    }
    void makeDue() { m_config.autoRecordNext = QDateTime::currentDateTime().addSecs(-1); }

private slots:
    void init() { m_config = Config(); }

    void picturesAdvanceBeforeActing()
    {
        RecordSession record;
        TimedSeriesRunner runner(&m_config, &record);
        QSignalSpy finished(&runner, &TimedSeriesRunner::stepFinished);
        int captures = 0;
        // The capture shows a box: its event loop lets the next tick in, which is ignored.
        runner.setActions(
            [&] {
                ++captures;
                QCOMPARE(m_config.autoRecordCount, captures);
                runner.tick();
            },
            [] {});
        runner.start(series(0, 2));
        QVERIFY(runner.isRunning());
        runner.tick();
        runner.tick(); // the next picture is an interval away
        QCOMPARE(captures, 1);
        QCOMPARE(finished.count(), 1);
        makeDue();
        runner.tick();
        QCOMPARE(captures, 2);
        QCOMPARE(finished.count(), 2);
        // Done: the timer stops and the series is off.
        QVERIFY(!runner.isRunning());
        QVERIFY(!m_config.autoRecordOn);
    }

    void videos_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("recorded, stopped with the series") << false;
        QTest::newRow("refused") << true;
    }

    void videos()
    {
        QFETCH(bool, refused);
        RecordSession record;
        TimedSeriesRunner runner(&m_config, &record);
        QSignalSpy finished(&runner, &TimedSeriesRunner::stepFinished);
        const QString path = m_dir.filePath(QStringLiteral("timed.mp4"));
        runner.setActions([] {},
                          [&] {
                              if (record.isRecording())
                                  record.stop();
                              else if (!refused)
                                  record.start(path, QSize(64, 48), QStringLiteral("cam"));
                          });
        runner.start(series(1, 3));
        runner.tick();
        QCOMPARE(record.isRecording(), !refused);
        // A refused video counts like a refused picture; a running one counts when it ends.
        QCOMPARE(finished.count(), refused ? 1 : 0);
        QCOMPARE(m_config.autoRecordCount, refused ? 1 : 0);

        runner.stop();
        QVERIFY(!record.isRecording());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(m_config.autoRecordCount, 1);
        QVERIFY(!runner.isRunning());
        QVERIFY(!m_config.autoRecordOn);
    }
};

QTEST_MAIN(tst_TimedSeriesRunner)
#include "tst_timedseriesrunner.moc"

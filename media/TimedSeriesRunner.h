#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class Config;
class RecordSession;

/// Runs a timed series of pictures or videos (media/TimedSeries.h holds the schedule) from a
/// one-second timer. Each tick advances the schedule before it acts, so a step that shows a
/// box (and runs an event loop meanwhile) never sees the same step due again; ticks that
/// arrive while a step runs are ignored. The pictures and the recordings themselves are the
/// window's ordinary capture and record actions. GUI thread only.
class TimedSeriesRunner final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(TimedSeriesRunner)

public:
    /// `config` holds the series fields the runner advances; `record` is the session the
    /// series' videos run in.
    TimedSeriesRunner(Config *config, RecordSession *record, QObject *parent = nullptr);

    /// What a step does: take a picture, and press the record button (start or stop).
    void setActions(std::function<void()> capture, std::function<void()> toggleRecord);

    /// Runs the series described by the timed-series fields of `series` (the rest is ignored).
    void start(const Config &series);
    /// Ends the series; a video of the series in progress is stopped (and counted).
    void stop();
    bool isRunning() const { return m_timer.isActive(); }

public slots:
    /// One step of the series.
    void tick();

signals:
    /// One picture or one video of the series is complete (or was refused: it counts).
    void stepFinished();

private:
    void runStep();
    void onRecordingStopped();

    Config *m_config;
    RecordSession *m_record;
    std::function<void()> m_capture;
    std::function<void()> m_toggleRecord;
    QTimer m_timer;
    bool m_video = false;       // the running recording belongs to the series
    bool m_stepRunning = false; // a step is running (it may show a box)
};

#include "media/TimedSeriesRunner.h"

#include "config/Config.h"
#include "media/RecordSession.h"
#include "media/TimedSeries.h"

#include <QDateTime>

TimedSeriesRunner::TimedSeriesRunner(Config *config, RecordSession *record, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_record(record)
{
    connect(&m_timer, &QTimer::timeout, this, &TimedSeriesRunner::tick);
    connect(m_record, &RecordSession::stopped, this, &TimedSeriesRunner::onRecordingStopped);
}

void TimedSeriesRunner::setActions(std::function<void()> capture,
                                   std::function<void()> toggleRecord)
{
    m_capture = std::move(capture);
    m_toggleRecord = std::move(toggleRecord);
}

void TimedSeriesRunner::start(const Config &series)
{
    copyTimedSeries(series, *m_config);
    m_timer.start(1000);
}

void TimedSeriesRunner::stop()
{
    if (m_video && m_record->isRecording() && m_toggleRecord)
        m_toggleRecord();
    m_video = false;
    m_timer.stop();
    m_config->autoRecordOn = false;
}

void TimedSeriesRunner::tick()
{
    if (m_stepRunning)
        return;
    m_stepRunning = true;
    runStep();
    m_stepRunning = false;
    if (timedSeriesDone(*m_config)) {
        m_config->autoRecordOn = false;
        m_timer.stop();
    }
}

void TimedSeriesRunner::runStep()
{
    const QDateTime now = QDateTime::currentDateTime();
    const bool video = m_video && m_record->isRecording();
    switch (timedSeriesStep(*m_config, now, video, m_record->recorder().recordTime())) {
    case TimedStep::Capture:
        advanceAfterPicture(*m_config, now);
        if (m_capture)
            m_capture();
        emit stepFinished();
        break;
    case TimedStep::StartVideo:
        advanceBeforeVideo(*m_config, now);
        m_video = true;
        if (m_toggleRecord)
            m_toggleRecord();
        if (!m_record->isRecording()) { // refused: counts like a refused picture
            m_video = false;
            advanceAfterVideo(*m_config, now);
            emit stepFinished();
        }
        break;
    case TimedStep::StopVideo:
        if (m_toggleRecord)
            m_toggleRecord();
        break;
    case TimedStep::Wait: break;
    }
}

// Any end of a video of the series counts it, whoever stopped it.
void TimedSeriesRunner::onRecordingStopped()
{
    if (!m_video)
        return;
    m_video = false;
    advanceAfterVideo(*m_config, QDateTime::currentDateTime());
    emit stepFinished();
}

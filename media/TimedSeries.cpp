#include "media/TimedSeries.h"

#include "config/Config.h"

TimedStep timedSeriesStep(const Config &config, const QDateTime &now, bool videoRunning,
                          qint64 recordMs)
{
    if (videoRunning)
        return recordMs >= qint64(config.autoRecordLength) * 1000 ? TimedStep::StopVideo
                                                                  : TimedStep::Wait;
    if (timedSeriesDone(config) || !config.autoRecordNext.isValid() ||
        config.autoRecordNext.msecsTo(now) < 0)
        return TimedStep::Wait;
    return config.autoRecordType == 0 ? TimedStep::Capture : TimedStep::StartVideo;
}

void advanceAfterPicture(Config &config, const QDateTime &now)
{
    config.autoRecordNext = now.addSecs(config.autoRecordInterval);
    config.autoRecordCount += 1;
}

void advanceBeforeVideo(Config &config, const QDateTime &now)
{
    config.autoRecordNext = now.addSecs(config.autoRecordInterval + config.autoRecordLength + 1);
}

void advanceAfterVideo(Config &config, const QDateTime &end)
{
    config.autoRecordNext = end.addSecs(config.autoRecordInterval);
    config.autoRecordCount += 1;
}

bool timedSeriesDone(const Config &config)
{
    return config.autoRecordCount >= config.autoRecordTotal;
}

void copyTimedSeries(const Config &from, Config &to)
{
    to.autoRecordOn = from.autoRecordOn;
    to.autoRecordType = from.autoRecordType;
    to.autoRecordStart = from.autoRecordStart;
    to.autoRecordNext = from.autoRecordNext;
    to.autoRecordInterval = from.autoRecordInterval;
    to.autoRecordLength = from.autoRecordLength;
    to.autoRecordTotal = from.autoRecordTotal;
    to.autoRecordCount = from.autoRecordCount;
}

#pragma once

#include <QDateTime>

class Config;

// The schedule of a timed series (pictures or videos at fixed intervals), kept in the timed-series
// fields of Config. The main window's one-second timer asks timedSeriesStep() what to do and
// calls the advance functions before it acts, so a step that shows a message box (and runs an
// event loop meanwhile) never sees the same step due again.

enum class TimedStep {
    Wait,       ///< nothing due
    Capture,    ///< take the next picture
    StartVideo, ///< start the next video
    StopVideo,  ///< the running video has reached its length
};

/// What one tick of the series does at `now`. videoRunning: a video of the series is being
/// recorded, recordMs its length so far (0 before the encoder is ready).
TimedStep timedSeriesStep(const Config &config, const QDateTime &now, bool videoRunning,
                          qint64 recordMs);

/// A picture was attempted (stored or refused): it counts, the next is due one interval on.
void advanceAfterPicture(Config &config, const QDateTime &now);
/// A video starts: the next start can come no earlier than its length and the interval on.
void advanceBeforeVideo(Config &config, const QDateTime &now);
/// A video ended (or could not start) at `end`: it counts, the next starts one interval on.
void advanceAfterVideo(Config &config, const QDateTime &end);

/// True once the series has done all it was asked to.
bool timedSeriesDone(const Config &config);

/// Copies the timed-series fields only: the rest of a dialog's copy may be stale by now (files
/// listed since it was taken).
void copyTimedSeries(const Config &from, Config &to);

#pragma once

#include <QString>
#include <QtGlobal>

// Recording decisions that depend only on numbers: the frame rate of a picture size, when the
// pacing timer hands over the next frame, and which encoder preset keeps up in real time.

/// Frames per second for a recording of that picture size: 10 from three megapixels on, 15
/// from two, 20 from one, otherwise 30. Large pictures cost more per frame to render, convert
/// and encode, so they get fewer.
int recordFrameRate(int width, int height);

/// The frame slot a moment of the recording falls into: elapsedMs x fps / 1000 rounded to the
/// nearest integer, halves away from zero. This is the rounding the recorder applies when it
/// turns a frame's capture time into the encoder's 1/fps time base.
qint64 recordFrameSlot(qint64 elapsedMs, int fps);

/// True when the record clock has entered a frame slot after the last one handed over
/// (lastSlot -1: none yet). Pacing by slots rather than by "one period since the last frame"
/// keeps the average at exactly fps with a coarse timer (10 ms ticks would turn 30 fps into 25),
/// and every frame handed over gets a presentation time later than the previous one.
bool isRecordFrameDue(qint64 elapsedMs, qint64 lastSlot, int fps);

/// The x264 preset for a recording of width x height at fps on this machine. "fast" is kept
/// where it holds real time beside the live view; larger pixel rates step to faster presets
/// (measured figures and thresholds in docs/PERFORMANCE.md).
QString recordPreset(int width, int height, int fps);

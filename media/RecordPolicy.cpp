#include "media/RecordPolicy.h"

int recordFrameRate(int width, int height)
{
    const qint64 pixels = qint64(width) * height;
    if (pixels >= 3000000)
        return 10;
    if (pixels >= 2000000)
        return 15;
    if (pixels >= 1000000)
        return 20;
    return 30;
}

qint64 recordFrameSlot(qint64 elapsedMs, int fps)
{
    if (fps <= 0)
        return 0;
    // Integer form of round(ms * fps / 1000) with halves away from zero (av_rescale_q's rule).
    const qint64 scaled = elapsedMs * fps;
    return scaled >= 0 ? (scaled + 500) / 1000 : -((-scaled + 500) / 1000);
}

bool isRecordFrameDue(qint64 elapsedMs, qint64 lastSlot, int fps)
{
    return recordFrameSlot(elapsedMs, fps) > lastSlot;
}

QString recordPreset(int width, int height, int fps)
{
    // Pixels per second the encoder has to take. One core encodes 14-19 (fast), 28-39
    // (veryfast), 44-60 (superfast) and 137-178 (ultrafast) megapixels per second of
    // microscope pictures; the encoder may use about 0.7 of a core, the rest of the two belongs
    // to the camera, the live view and rendering the recorded frames.
    const double rate = double(width) * height * fps;
    if (rate <= 12e6)
        return QStringLiteral("fast");
    if (rate <= 25e6)
        return QStringLiteral("veryfast");
    if (rate <= 40e6)
        return QStringLiteral("superfast");
    return QStringLiteral("ultrafast");
}

#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

/// A rate over a sliding window of the last three seconds (values per second).
///
/// Add 1 per displayed frame and getFps() is the frame rate; during the first second it counts
/// values rather than dividing by less than a second. The overloads taking a time in
/// milliseconds since the epoch exist so the window can be checked without waiting.
class FpsHelper final
{
public:
    static constexpr qint64 WindowMs = 3000;

    double addValue(double v);
    double addValue(double v, qint64 nowMs);
    double update();
    double update(qint64 nowMs);
    double getFps() const;
    double getFps(qint64 nowMs) const;
    void clear();
    void print(const QString &label, qint64 intervalMs);

    int sampleCount() const { return m_samples.size(); }

private:
    struct Sample
    {
        qint64 time = 0;
        double value = 0.0;
    };

    QVector<Sample> m_samples;
    qint64 m_lastPrint = 0;
};

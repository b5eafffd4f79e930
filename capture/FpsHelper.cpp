#include "capture/FpsHelper.h"

#include "app/LogCategories.h"

#include <QDateTime>
#include <QDebug>

#include <algorithm>

static qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

double FpsHelper::addValue(double v)
{
    return addValue(v, nowMs());
}

double FpsHelper::addValue(double v, qint64 now)
{
    m_samples.append(Sample{now, v});
    return update(now);
}

double FpsHelper::update()
{
    return update(nowMs());
}

double FpsHelper::update(qint64 now)
{
    const auto first = std::find_if(m_samples.begin(), m_samples.end(),
                                    [now](const Sample &s) { return s.time + WindowMs > now; });
    m_samples.erase(m_samples.begin(), first);
    return getFps(now);
}

double FpsHelper::getFps() const
{
    return getFps(nowMs());
}

double FpsHelper::getFps(qint64 now) const
{
    if (m_samples.isEmpty())
        return 0.0;
    double sum = 0.0;
    for (const Sample &s : m_samples)
        sum += s.value;
    const double seconds = double(now - m_samples.first().time) / 1000.0;
    return sum / std::max(seconds, 1.0);
}

void FpsHelper::clear()
{
    m_samples.clear();
}

void FpsHelper::print(const QString &label, qint64 intervalMs)
{
    const qint64 now = nowMs();
    if (now - m_lastPrint < intervalMs)
        return;
    m_lastPrint = now;
    qCDebug(lcCapture).noquote() << label + QLatin1Char(':') << getFps(now);
}

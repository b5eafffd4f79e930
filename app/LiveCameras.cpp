#include "app/LiveCameras.h"

#include "app/LiveView.h"

#include <algorithm>

namespace {

// The frame rate is taken over this window; the cursor colour over this many samples.
constexpr qint64 kFrameWindowMs = 3000;
constexpr int kMaxColors = 10;

bool listHas(const QVector<CameraInfo> &list, const QString &id)
{
    return std::any_of(list.cbegin(), list.cend(),
                       [&id](const CameraInfo &info) { return info.id == id; });
}

} // namespace

QStringList LiveCameras::takeList(const QVector<CameraInfo> &list, bool *changed)
{
    bool differs = false;
    for (const CameraInfo &info : list)
        differs = differs || !listHas(m_list, info.id);
    for (const CameraInfo &info : qAsConst(m_list))
        differs = differs || !listHas(list, info.id);
    QStringList gone;
    for (auto it = m_datas.cbegin(); it != m_datas.cend(); ++it) {
        if (!listHas(list, it.key()))
            gone.append(it.key());
    }
    m_list = list;
    if (changed)
        *changed = differs;
    return gone;
}

int LiveCameras::boxIndex(const QString &id) const
{
    for (int i = 0; i < m_list.size(); ++i) {
        if (m_list.at(i).id == id)
            return i;
    }
    return -1;
}

int LiveCameras::viewIndex(const QString &id) const
{
    const auto it = m_datas.constFind(id);
    return it == m_datas.cend() ? -1 : it->viewIndex;
}

void LiveCameras::add(const QString &id, int viewIndex, QSize size)
{
    CameraData data;
    data.viewIndex = viewIndex;
    data.size = size;
    m_datas.insert(id, data);
}

void LiveCameras::setSize(const QString &id, QSize size)
{
    const auto it = m_datas.find(id);
    if (it != m_datas.end())
        it->size = size;
}

void LiveCameras::noteFrame(const QString &id, qint64 nowMs)
{
    const auto it = m_datas.find(id);
    if (it == m_datas.end())
        return;
    QVector<qint64> &times = it->frameTimes;
    times.append(nowMs);
    const auto fresh = std::find_if(times.begin(), times.end(),
                                    [nowMs](qint64 t) { return nowMs - t <= kFrameWindowMs; });
    times.erase(times.begin(), fresh);
}

bool LiveCameras::noteCursor(QPoint point, const QColor &colour)
{
    const auto it = m_datas.find(m_current);
    if (it == m_datas.end())
        return false;
    m_cursor = point;
    it->colors.append(colour);
    while (it->colors.size() > kMaxColors)
        it->colors.removeFirst();
    return true;
}

LiveCameras::Readout LiveCameras::readout(const QString &id) const
{
    Readout result;
    const auto it = m_datas.constFind(id);
    if (it == m_datas.cend())
        return result;
    int red = 0;
    int green = 0;
    int blue = 0;
    for (const QColor &color : it->colors) {
        red += color.red();
        green += color.green();
        blue += color.blue();
    }
    if (const int count = it->colors.size()) {
        red /= count;
        green /= count;
        blue /= count;
    }
    result.colour = QColor(red, green, blue);
    result.rate = frameRate(it->frameTimes);
    return result;
}

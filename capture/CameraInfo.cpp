#include "capture/CameraInfo.h"

#include "app/DeviceProfile.h"

#include <algorithm>

QVector<QPair<int, int>> usableResolutions(const QList<QSize> &offered,
                                           const DeviceProfile &profile)
{
    QVector<QPair<int, int>> kept;
    for (const QSize &size : offered) {
        const QPair<int, int> r(size.width(), size.height());
        if (profile.resolutions.contains(r) && !kept.contains(r))
            kept.append(r);
    }
    std::stable_sort(kept.begin(), kept.end(), [](const auto &a, const auto &b) {
        return qint64(a.first) * a.second < qint64(b.first) * b.second;
    });
    return kept;
}

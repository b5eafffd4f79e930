#include "app/LiveView.h"

#include "app/DeviceProfile.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <cstdlib>

namespace {

struct ZoomEntry
{
    const char *text;
    double factor;
};

// Compared with the untranslated texts; "Scale" is handled apart.
constexpr ZoomEntry kZoomTable[] = {
    {"0.5x", 0.5}, {"1.0x", 1.0}, {"2.0x", 2.0},   {"2.5x", 2.5},
    {"4.0x", 4.0}, {"5.0x", 5.0}, {"10.0x", 10.0},
};

} // namespace

QString fitZoomText()
{
    return QCoreApplication::translate("LiveView", "适合窗口");
}

double zoomFactor(const QString &text)
{
    for (const ZoomEntry &entry : kZoomTable) {
        if (text == QLatin1String(entry.text))
            return entry.factor;
    }
    return 1.0;
}

bool isFitZoom(const QString &text)
{
    return text == QLatin1String("Scale");
}

QSize zoomedViewSize(QSize picture, double factor)
{
    // std::round rounds halves away from zero.
    return QSize(int(std::round(picture.width() * factor)),
                 int(std::round(picture.height() * factor)));
}

QSize fitViewSize(QSize picture, QSize page)
{
    if (picture.isEmpty() || page.isEmpty())
        return QSize(0, 0);
    return picture.scaled(page, Qt::KeepAspectRatio);
}

QRect fourViewRect(QSize page, int index)
{
    const int cw = (page.width() - 3) / 2;
    const int ch = (page.height() - 3) / 2;
    return QRect((index % 2) * (cw + 3), (index / 2) * (ch + 3), cw, ch);
}

QString resolutionText(int width, int height)
{
    return QString::asprintf("%d x %d", width, height);
}

bool parseResolution(const QString &text, int *width, int *height)
{
    const QStringList parts = text.split(QLatin1Char('x'), Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return false;
    bool okWidth = false;
    bool okHeight = false;
    const int w = parts.at(0).trimmed().toInt(&okWidth);
    const int h = parts.at(1).trimmed().toInt(&okHeight);
    if (!okWidth || !okHeight || w <= 0 || h <= 0)
        return false;
    *width = w;
    *height = h;
    return true;
}

int startResolutionIndex(const QVector<QPair<int, int>> &offered, int defaultIndex,
                         const DeviceProfile *profile)
{
    if (offered.isEmpty())
        return -1;
    if (defaultIndex >= 0 && defaultIndex < offered.size())
        return defaultIndex;
    if (!profile || defaultIndex < 0 || defaultIndex >= profile->resolutions.size())
        return offered.size() - 1;
    const QPair<int, int> intended = profile->resolutions.at(defaultIndex);
    const qint64 pixels = qint64(intended.first) * intended.second;
    int best = 0;
    qint64 bestDistance = -1;
    for (int i = 0; i < offered.size(); ++i) {
        if (offered.at(i) == intended)
            return i;
        const qint64 distance =
            std::llabs(qint64(offered.at(i).first) * offered.at(i).second - pixels);
        // On a tie the larger size wins: the list ascends, so the later one.
        if (bestDistance < 0 || distance <= bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

double frameRate(const QVector<qint64> &times)
{
    if (times.size() <= 2)
        return 0.0;
    const qint64 span = times.last() - times.first();
    if (span <= 0)
        return 0.0;
    return double(times.size()) / double(span) * 1000.0;
}

QImage liveFramePicture(const QImage &frame, bool blackWhite)
{
    if (!blackWhite)
        return frame;
    return frame.convertToFormat(QImage::Format_Grayscale8).convertToFormat(frame.format());
}

QString statusLineText(bool fourView, double rate, QPoint point, const QColor &colour)
{
    // The texts were always the window's: they keep its translation context.
    const QString label = QCoreApplication::translate("Specula", "帧率");
    if (fourView)
        return label + QString::asprintf(":%0.1ffps", rate);
    return label + QString::asprintf(":%0.1ffps ", rate) +
           QCoreApplication::translate("Specula", "坐标") +
           QString::asprintf(":%d,%d (R:%3d G:%3d B:%3d)", point.x(), point.y(), colour.red(),
                             colour.green(), colour.blue());
}

#pragma once

#include <QColor>
#include <QSize>
#include <QVector>

/// One running camera of the main window.
class CameraData
{
public:
    int viewIndex = -1;         ///< 0 = the single view and the first tile of the four-view page
    QSize size{-1, -1};         ///< the stream's resolution
    QVector<QColor> colors;     ///< colours under the cursor, the last ten at most
    QVector<qint64> frameTimes; ///< arrival times (ms since the epoch) of the last 3000 ms
};

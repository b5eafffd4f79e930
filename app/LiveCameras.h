#pragma once

#include "app/CameraData.h"
#include "capture/CameraInfo.h"

#include <QColor>
#include <QMap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

/// The cameras of the live view: the list last taken from the camera service, the running
/// cameras with their view, size, frame-rate window and colours under the cursor, and the
/// current camera. Plain data and the rules that keep it, no widgets. GUI thread only.
class LiveCameras final
{
public:
    /// Takes a new list from the camera service. `changed`: a camera came or went, running or
    /// not. Returns the running cameras the new list no longer holds (for the caller to stop).
    QStringList takeList(const QVector<CameraInfo> &list, bool *changed);
    const QVector<CameraInfo> &list() const { return m_list; }
    /// The id of entry `boxIndex` of the list; empty outside it.
    QString listedId(int boxIndex) const { return m_list.value(boxIndex).id; }
    /// The position of camera `id` in the list; -1 when it is not listed.
    int boxIndex(const QString &id) const;

    /// The view a running camera shows in; -1 for a camera that does not run.
    int viewIndex(const QString &id) const;
    bool isRunning(const QString &id) const { return m_datas.contains(id); }
    void add(const QString &id, int viewIndex, QSize size);
    void remove(const QString &id) { m_datas.remove(id); }
    QSize size(const QString &id) const { return m_datas.value(id).size; }
    void setSize(const QString &id, QSize size);
    const QMap<QString, CameraData> &datas() const { return m_datas; }

    /// The current camera; empty = none.
    QString current() const { return m_current; }
    void setCurrent(const QString &id) { m_current = id; }

    /// A frame of a running camera arrived at `nowMs` (ms since the epoch): the frame-rate
    /// window moves on.
    void noteFrame(const QString &id, qint64 nowMs);
    /// The cursor is over picture pixel `point` of the current camera, on `colour`; false
    /// (nothing kept) without a running current camera.
    bool noteCursor(QPoint point, const QColor &colour);
    /// The last cursor position in picture pixels.
    QPoint cursorPoint() const { return m_cursor; }

    /// Frames per second over the window, and the average of the colours kept (integer means).
    struct Readout
    {
        double rate = 0.0;
        QColor colour{0, 0, 0};
    };
    Readout readout(const QString &id) const;

private:
    QVector<CameraInfo> m_list;
    QMap<QString, CameraData> m_datas;
    QString m_current;
    QPoint m_cursor;
};

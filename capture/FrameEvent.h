#pragma once

#include <QEvent>
#include <QString>

/// Posted by a grabber to the camera service when a new frame is in the camera's buffer.
class FrameEvent final : public QEvent
{
public:
    explicit FrameEvent(const QString &camId);

    /// The event type, registered once (asking for 1000) on first use.
    static QEvent::Type frameEventType();

    QString cameraId() const { return m_camId; }

private:
    QString m_camId;
};

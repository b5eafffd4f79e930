#include "capture/FrameEvent.h"

FrameEvent::FrameEvent(const QString &camId)
    : QEvent(frameEventType())
    , m_camId(camId)
{}

QEvent::Type FrameEvent::frameEventType()
{
    // A function-local static: registration is thread-safe and happens exactly once.
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType(1000));
    return type;
}

#include "capture/CameraRegistry.h"

#include "capture/CameraFrameGrabber.h"

#include <QCamera>

CameraRegistry::~CameraRegistry()
{
    clear();
}

GrabberEntry *CameraRegistry::entry(const QString &id)
{
    auto it = m_grabbers.find(id);
    return it == m_grabbers.end() ? nullptr : &it.value();
}

void CameraRegistry::add(const QString &id, const QSharedPointer<QCamera> &camera,
                         const GrabberEntry &entry)
{
    m_cameras.insert(id, camera);
    m_grabbers.insert(id, entry);
}

void CameraRegistry::remove(const QString &id)
{
    const QSharedPointer<QCamera> camera = m_cameras.take(id);
    const GrabberEntry entry = m_grabbers.take(id);
    if (entry.grabber) {
        // Whatever the camera layer still delivers until it has stopped is dropped.
        entry.grabber->setBuffer(nullptr);
        entry.grabber->setFrameReceiver(nullptr);
    }
    if (camera)
        camera->stop();
}

void CameraRegistry::clear()
{
    const QStringList all = ids();
    for (const QString &id : all)
        remove(id);
}

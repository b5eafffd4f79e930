#pragma once

#include "capture/GrabberEntry.h"

#include <QMap>
#include <QSharedPointer>
#include <QString>

class QCamera;

/// The platform camera objects of the camera service, by device id.
class CameraRegistry
{
public:
    CameraRegistry() = default;
    ~CameraRegistry();
    CameraRegistry(const CameraRegistry &) = delete;
    CameraRegistry &operator=(const CameraRegistry &) = delete;

    QSharedPointer<QCamera> camera(const QString &id) const { return m_cameras.value(id); }
    GrabberEntry *entry(const QString &id);
    bool contains(const QString &id) const { return m_cameras.contains(id); }
    QStringList ids() const { return m_cameras.keys(); }

    void add(const QString &id, const QSharedPointer<QCamera> &camera, const GrabberEntry &entry);
    /// Stops the camera and forgets it; the QCamera (and with it the grabber) is destroyed.
    void remove(const QString &id);
    void clear();

private:
    QMap<QString, QSharedPointer<QCamera>> m_cameras;
    QMap<QString, GrabberEntry> m_grabbers;
};

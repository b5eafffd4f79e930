#include "virtualscope/VirtualScopePlugin.h"

#include "virtualscope/VirtualScope.h"
#include "virtualscope/VirtualScopeService.h"

#include <QMediaService>

QMediaService *VirtualScopePlugin::create(const QString &key)
{
    if (key == QLatin1String(Q_MEDIASERVICE_CAMERA))
        return new VirtualScopeService;
    return nullptr;
}

void VirtualScopePlugin::release(QMediaService *service)
{
    delete service;
}

QList<QByteArray> VirtualScopePlugin::devices(const QByteArray &service) const
{
    QList<QByteArray> ids;
    if (service != Q_MEDIASERVICE_CAMERA)
        return ids;
    for (const VirtualDevice &d : VirtualScope::instance()->devices())
        ids.append(d.id);
    return ids;
}

QString VirtualScopePlugin::deviceDescription(const QByteArray &service, const QByteArray &device)
{
    VirtualDevice d;
    if (service == Q_MEDIASERVICE_CAMERA && VirtualScope::instance()->device(device, &d))
        return d.description;
    return {};
}

QByteArray VirtualScopePlugin::defaultDevice(const QByteArray &service) const
{
    const QList<QByteArray> ids = devices(service);
    return ids.isEmpty() ? QByteArray() : ids.first();
}

QCamera::Position VirtualScopePlugin::cameraPosition(const QByteArray &) const
{
    return QCamera::UnspecifiedPosition;
}

int VirtualScopePlugin::cameraOrientation(const QByteArray &) const
{
    return 0;
}

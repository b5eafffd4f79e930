#include "virtualscope/VirtualCameraInfoControl.h"

VirtualCameraInfoControl::VirtualCameraInfoControl(QObject *parent)
    : QCameraInfoControl(parent)
{}

QCamera::Position VirtualCameraInfoControl::cameraPosition(const QString &) const
{
    return QCamera::UnspecifiedPosition;
}

int VirtualCameraInfoControl::cameraOrientation(const QString &) const
{
    return 0;
}

#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QVideoFrame>

/// One camera of the virtual microscope as the platform layer lists it.
struct VirtualDevice
{
    QByteArray id;
    QString description;
    /// In the order the camera reports them (deliberately unsorted).
    QList<QSize> resolutions;
    QList<QVideoFrame::PixelFormat> formats{QVideoFrame::Format_RGB32, QVideoFrame::Format_Jpeg};
};

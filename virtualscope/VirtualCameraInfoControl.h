#pragma once

#include <QCameraInfoControl>

/// Virtual cameras sit on no particular side and are not rotated.
class VirtualCameraInfoControl final : public QCameraInfoControl
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualCameraInfoControl)

public:
    explicit VirtualCameraInfoControl(QObject *parent);

    QCamera::Position cameraPosition(const QString &deviceName) const override;
    int cameraOrientation(const QString &deviceName) const override;
};

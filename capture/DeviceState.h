#pragma once

#include <QString>

#include <memory>

class CameraBuffer;
class QThread;

/// One open camera as the camera service keeps it: pending and current stream settings,
/// flips and the frame buffer. Owned by the service.
class DeviceState
{
public:
    explicit DeviceState(const QString &deviceId);
    ~DeviceState();
    DeviceState(const DeviceState &) = delete;
    DeviceState &operator=(const DeviceState &) = delete;

    QString id;
    int requestedWidth = -1;
    int requestedHeight = -1;
    int requestedFormat = -1;
    int currentWidth = 640;
    int currentHeight = 480;
    int currentFormat = -1; ///< 0 "YUV", 1 "MJPG", -1 before the first successful open
    bool horizontalFlip = false;
    bool verticalFlip = false;
    /// Shared with the camera's grabber, so a frame in flight never writes into freed memory.
    std::shared_ptr<CameraBuffer> buffer;
    /// The thread that holds the buffer through the service's getBuffer(), if any.
    QThread *bufferHolder = nullptr;
};

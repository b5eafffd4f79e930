#include "capture/DeviceState.h"

#include "capture/CameraBuffer.h"

DeviceState::DeviceState(const QString &deviceId)
    : id(deviceId)
    , buffer(std::make_shared<CameraBuffer>())
{}

DeviceState::~DeviceState() = default;

#pragma once

#include <QMediaAvailabilityControl>

class VirtualScopeService;

/// Reports a camera unplugged under a running QCamera as a resource error.
class VirtualAvailabilityControl final : public QMediaAvailabilityControl
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualAvailabilityControl)

public:
    explicit VirtualAvailabilityControl(VirtualScopeService *service);

    QMultimedia::AvailabilityStatus availability() const override;

private:
    VirtualScopeService *m_service;
};

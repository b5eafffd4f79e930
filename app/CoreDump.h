#pragma once

/// Crash-dump hook. Linux writes core dumps through the system's own facilities, so there is
/// nothing to install here.
class CoreDump
{
public:
    static void init();
};

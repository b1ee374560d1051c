#pragma once

#include "services/IConnectionCheck.h"

// Connected when the host is this machine itself (a server run beside the program), or when
// at least one network interface other than the loopback is up and has an address.
class TSystemConnectionCheck : public IConnectionCheck {
public:
    bool IsInternetConnected(const QString& host) override;

    // The host part of "name", "name:port", "[v6]:port" or "v6".
    static QString HostName(const QString& host);
    static bool IsLocalHost(const QString& host);
};

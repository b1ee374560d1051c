#pragma once

#include <QString>

// Asked before every request to freedb, the SFX CD database or the update server: is there a
// way to `host` at all? A lookup without one ends quietly instead of waiting for a time-out.
class IConnectionCheck {
public:
    virtual ~IConnectionCheck() = default;
    // `host` as in the settings: a name or address, perhaps with ":port".
    virtual bool IsInternetConnected(const QString& host) = 0;
};

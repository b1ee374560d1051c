#pragma once

#include <functional>

// A progress or completion callback, bound to its receiver by the one who sets it.
// An empty notification is skipped.
using TNotification = std::function<void()>;

inline void Notify(const TNotification& notification) {
    if (notification)
        notification();
}


#pragma once

#include <QString>

#include <functional>

// A progress or completion callback, bound to its receiver by the one who sets it.
// An empty notification is skipped.
using TNotification = std::function<void()>;

inline void Notify(const TNotification& notification) {
    if (notification)
        notification();
}

// A notification that carries a text for the user.
using TMessageNotification = std::function<void(const QString&)>;

inline void Notify(const TMessageNotification& notification, const QString& text) {
    if (notification && !text.isEmpty())
        notification(text);
}

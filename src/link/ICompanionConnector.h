#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// How a delivery attempt ended.
struct TDeliveryAnswer {
    // TimedOut: connected, but the message was not taken within the attempt's time limit (a
    // companion that hangs or never reads).
    enum class TKind { Delivered, NotListening, Broken, TimedOut };
    TKind Kind = TKind::NotListening;
    QString Reason; // for Broken: why the message did not get through
};

// The way to the companion program. One attempt connects, writes the whole message and
// disconnects; the answer comes back later on the caller's thread, never from inside Deliver.
class ICompanionConnector {
public:
    using TAnswered = std::function<void(const TDeliveryAnswer&)>;
    virtual ~ICompanionConnector() = default;
    virtual void Deliver(const QByteArray& message, TAnswered answered) = 0;
};

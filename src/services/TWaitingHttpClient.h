#pragma once

#include "services/IHttpClient.h"

#include <memory>

// Sends each request on a worker thread while the calling (GUI) thread waits in a local event
// loop: windows keep painting and timers keep running, but user input waits until the answer
// is in. A request started from inside that wait (a timer that fires meanwhile) is refused, so
// that no caller is re-entered half-way through its own lookup.
class TWaitingHttpClient : public IHttpClient {
public:
    explicit TWaitingHttpClient(std::shared_ptr<IHttpClient> inner);

    THttpReply Send(const THttpRequest& request) override;

    // True while any request of any waiting client is under way; timer handlers that would
    // start lookups check it and skip their tick.
    static bool RequestRunning();

private:
    std::shared_ptr<IHttpClient> inner_;
};

#pragma once

#include "app/TResult.h"

#include <QByteArray>
#include <QList>
#include <QPair>

// One HTTP request as it is to go on the wire: the URL is sent exactly as given (no escaping,
// no dot-segment clean-up), the body of a POST as given.
struct THttpRequest {
    QByteArray Method = "GET";
    QByteArray Url;
    QByteArray Body;                              // POST only
    QList<QPair<QByteArray, QByteArray>> Headers; // extra request headers, in order
};

// A GET of `url` with the headers every request of ours carries.
inline THttpRequest ServiceRequest(const QByteArray& url) {
    return {"GET", url, {}, {{"Accept", "text/html, */*"},
                             {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"}}};
}

// What came back. Outcome fails on a transport failure (no connection, time-out, a cut-off
// answer, an answer too large) and on an HTTP error status; Body is then empty.
struct THttpReply {
    TResult Outcome;
    int Status = 0;
    QByteArray Body;
};

// Sends one request and waits for its answer. Redirects are not followed. Implementations
// may be called from any thread, one request at a time per call.
class IHttpClient {
public:
    virtual ~IHttpClient() = default;
    virtual THttpReply Send(const THttpRequest& request) = 0;

    THttpReply Get(const QByteArray& url) { return Send({"GET", url, {}, {}}); }
};

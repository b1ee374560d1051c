#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace httplib {
class Server;
}

// An HTTP server on 127.0.0.1 and a free port for one test. It records every request as it
// arrived (method, raw target, headers, body) and answers with what Reply gives.
class TLocalHttpServer {
public:
    struct TRequest {
        QByteArray Method;
        QByteArray Target; // raw, as on the request line
        QByteArray Body;
        QList<QPair<QByteArray, QByteArray>> Headers;
        QByteArray Header(const QByteArray& name) const;
    };
    struct TAnswer {
        int Status = 200;
        QByteArray Body;
        QByteArray ContentType = "text/plain; charset=utf-8";
    };

    TLocalHttpServer();
    ~TLocalHttpServer();

    // "127.0.0.1:port", as a host setting names it.
    QString Host() const;
    int Port() const { return port_; }
    QList<TRequest> Requests() const;
    QList<QByteArray> Targets() const;
    void ClearRequests();

    std::function<TAnswer(const TRequest&)> Reply = [](const TRequest&) { return TAnswer(); };

private:
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;
    mutable std::mutex mutex_;
    QList<TRequest> requests_;
};

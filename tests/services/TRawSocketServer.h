#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <thread>

// A misbehaving server on 127.0.0.1 and a free port: it accepts connections and, per
// connection, reads the request and sends `Answer` (nothing at all when empty), then either
// closes the connection or holds it open without a word until the server is destroyed.
class TRawSocketServer {
public:
    TRawSocketServer(QByteArray answer, bool closeAfterAnswer);
    ~TRawSocketServer();

    QString Host() const;

private:
    void Serve();

    QByteArray answer_;
    bool close_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

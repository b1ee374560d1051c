#include "TRawSocketServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

TRawSocketServer::TRawSocketServer(QByteArray answer, bool closeAfterAnswer)
    : answer_(std::move(answer)), close_(closeAfterAnswer) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_, 8);
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

TRawSocketServer::~TRawSocketServer() {
    stopping_ = true;
    thread_.join();
    ::close(listener_);
}

QString TRawSocketServer::Host() const { return QString("127.0.0.1:%1").arg(port_); }

void TRawSocketServer::Serve() {
    std::vector<int> held;
    while (!stopping_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (::poll(&waiting, 1, 20) <= 0)
            continue;
        const int connection = ::accept(listener_, nullptr, nullptr);
        if (connection < 0)
            continue;
        char request[4096];
        pollfd readable{connection, POLLIN, 0};
        if (::poll(&readable, 1, 2000) > 0)
            (void)::recv(connection, request, sizeof request, 0);
        if (!answer_.isEmpty())
            (void)::send(connection, answer_.constData(), size_t(answer_.size()), MSG_NOSIGNAL);
        if (close_)
            ::close(connection);
        else
            held.push_back(connection);
    }
    for (int connection : held)
        ::close(connection);
}

#include "TLocalHttpServer.h"

#include <httplib.h>

#include <chrono>

QByteArray TLocalHttpServer::TRequest::Header(const QByteArray& name) const {
    for (const auto& [key, value] : Headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

TLocalHttpServer::TLocalHttpServer() : server_(std::make_unique<httplib::Server>()) {
    auto handle = [this](const httplib::Request& request, httplib::Response& response) {
        TRequest recorded;
        recorded.Method = QByteArray::fromStdString(request.method);
        recorded.Target = QByteArray::fromStdString(request.target);
        recorded.Body = QByteArray::fromStdString(request.body);
        for (const auto& [name, value] : request.headers)
            recorded.Headers.append({QByteArray::fromStdString(name), QByteArray::fromStdString(value)});
        {
            std::lock_guard lock(mutex_);
            requests_.append(recorded);
        }
        const TAnswer answer = Reply(recorded);
        response.status = answer.Status;
        response.set_content(answer.Body.toStdString(), answer.ContentType.toStdString());
    };
    server_->Get(".*", handle);
    server_->Post(".*", handle);
    port_ = server_->bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    while (!server_->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TLocalHttpServer::~TLocalHttpServer() {
    server_->stop();
    thread_.join();
}

QString TLocalHttpServer::Host() const { return QString("127.0.0.1:%1").arg(port_); }

QList<TLocalHttpServer::TRequest> TLocalHttpServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

QList<QByteArray> TLocalHttpServer::Targets() const {
    QList<QByteArray> targets;
    for (const TRequest& request : Requests())
        targets.append(request.Target);
    return targets;
}

void TLocalHttpServer::ClearRequests() {
    std::lock_guard lock(mutex_);
    requests_.clear();
}

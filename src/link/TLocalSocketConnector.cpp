#include "link/TLocalSocketConnector.h"

#include <QLocalSocket>
#include <QTimer>

#include <memory>

namespace {
// One attempt: lives until its answer is given, then deletes its socket.
class TDeliveryAttempt : public QObject {
public:
    TDeliveryAttempt(const QString& serverName, const QByteArray& message,
                     ICompanionConnector::TAnswered answered, QObject* parent)
        : QObject(parent), message_(message), answered_(std::move(answered)),
          socket_(new QLocalSocket(this)) {
        connect(socket_, &QLocalSocket::connected, this, &TDeliveryAttempt::Write);
        connect(socket_, &QLocalSocket::bytesWritten, this, &TDeliveryAttempt::Written);
        connect(socket_, &QLocalSocket::errorOccurred, this, &TDeliveryAttempt::Failed);
        // Queued, so that an answer never arrives inside Deliver.
        QTimer::singleShot(0, this, [this, serverName] { socket_->connectToServer(serverName); });
        // A companion that accepts and never reads would hold every later send in this one.
        QTimer::singleShot(TLocalSocketConnector::AttemptLimit, this,
                           [this] { Answer({TDeliveryAnswer::TKind::TimedOut, {}}); });
    }

private:
    void Write() {
        connected_ = true;
        if (message_.isEmpty())
            return Answer({TDeliveryAnswer::TKind::Delivered, {}});
        socket_->write(message_);
    }
    void Written(qint64 bytes) {
        written_ += bytes;
        if (written_ < message_.size())
            return;
        socket_->disconnectFromServer(); // what is written still reaches the reader
        Answer({TDeliveryAnswer::TKind::Delivered, {}});
    }
    void Failed(QLocalSocket::LocalSocketError error) {
        if (!connected_ && (error == QLocalSocket::ServerNotFoundError ||
                            error == QLocalSocket::ConnectionRefusedError))
            return Answer({TDeliveryAnswer::TKind::NotListening, {}});
        if (written_ >= message_.size() && connected_)
            return; // the companion closed after reading everything
        Answer({TDeliveryAnswer::TKind::Broken, socket_->errorString()});
    }
    void Answer(const TDeliveryAnswer& answer) {
        if (answered_) {
            auto answered = std::move(answered_);
            answered_ = nullptr;
            answered(answer);
        }
        if (answer.Kind == TDeliveryAnswer::TKind::TimedOut)
            socket_->abort(); // drop what the companion never took
        deleteLater();
    }

    QByteArray message_;
    ICompanionConnector::TAnswered answered_;
    QLocalSocket* socket_;
    bool connected_ = false;
    qint64 written_ = 0;
};
} // namespace

TLocalSocketConnector::TLocalSocketConnector(const QString& serverName, QObject* parent)
    : QObject(parent), serverName_(serverName) {}

void TLocalSocketConnector::Deliver(const QByteArray& message, TAnswered answered) {
    new TDeliveryAttempt(serverName_, message, std::move(answered), this);
}

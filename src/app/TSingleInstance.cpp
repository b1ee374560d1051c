#include "app/TSingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
const QByteArray activateMessage = "activate\n";
// A running copy answers at once; a socket nobody listens on fails at once. The wait only
// covers a copy that is busy starting up.
constexpr int connectWaitMs = 1000;
// A message longer than ours is not from a copy of this program.
constexpr qint64 longestMessage = 64;
} // namespace

TSingleInstance::TSingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

QString TSingleInstance::UserName() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return QDir(runtime).filePath("trackmoth.socket");
#ifdef Q_OS_UNIX
    return QString("trackmoth-%1").arg(getuid());
#else
    return "trackmoth-" + qEnvironmentVariable("USERNAME");
#endif
}

bool TSingleInstance::TellRunningCopy() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(connectWaitMs))
        return false;
    socket.write(activateMessage);
    const bool sent = socket.waitForBytesWritten(connectWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(connectWaitMs);
    return sent;
}

TSingleInstance::EClaim TSingleInstance::Claim() {
    if (TellRunningCopy())
        return EClaim::OtherRunning;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // Another copy may have started just now; else the socket is a crashed copy's.
        if (TellRunningCopy())
            return EClaim::OtherRunning;
        QLocalServer::removeServer(name_);
        server_->listen(name_); // when even this fails, this copy runs on its own
    }
    connect(server_, &QLocalServer::newConnection, this, &TSingleInstance::AcceptCopies);
    return EClaim::First;
}

void TSingleInstance::AcceptCopies() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine() && socket->bytesAvailable() < longestMessage)
                return; // the rest of the line is on its way
            if (socket->readLine(longestMessage) == activateMessage)
                emit ActivationRequested();
            socket->disconnectFromServer();
        });
    }
}

#include "app/TSingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
// A later copy sends one line "open <path>" per path it was given, then "activate".
const QByteArray activateMessage = "activate\n";
const QByteArray openPrefix = "open ";
// The running copy's answer once it has the whole request.
const QByteArray acknowledgement = "ok\n";
// A running copy answers at once; a socket nobody listens on fails at once. The wait only
// covers a copy that is busy starting up.
constexpr int connectWaitMs = 1000;
// The acknowledgement only tells that the request was read whole; a copy that does not send it
// (an older one, or one busy in its event loop) is not waited for long.
constexpr int ackWaitMs = 250;
// A line longer than a path can be is not from a copy of this program.
constexpr qint64 longestMessage = 8192;
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

bool TSingleInstance::TellRunningCopy(const QStringList& paths) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(connectWaitMs))
        return false;
    for (const QString& path : paths)
        if (!path.contains('\n'))
            socket.write(openPrefix + path.toUtf8() + "\n");
    socket.write(activateMessage);
    const bool sent = socket.waitForBytesWritten(connectWaitMs);
    // The running copy acknowledges once it has read everything; it acts on the request later.
    if (sent && socket.bytesAvailable() == 0)
        socket.waitForReadyRead(ackWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(connectWaitMs);
    return sent;
}

TSingleInstance::EClaim TSingleInstance::Claim(const QStringList& paths) {
    if (TellRunningCopy(paths))
        return EClaim::OtherRunning;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // Another copy may have started just now; else the socket is a crashed copy's.
        if (TellRunningCopy(paths))
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
        auto paths = std::make_shared<QStringList>();
        // The request is read whole and answered here, and the socket let go, before anything
        // acts on it: opening a folder may take a while and must not run inside this handler.
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, paths] {
            while (socket->canReadLine() || socket->bytesAvailable() >= longestMessage) {
                const QByteArray line = socket->readLine(longestMessage);
                if (line == activateMessage) {
                    socket->write(acknowledgement);
                    socket->disconnectFromServer();
                    QMetaObject::invokeMethod(
                        this, [this, given = *paths] { emit ActivationRequested(given); },
                        Qt::QueuedConnection);
                    return;
                }
                if (!TakeLine(line, *paths)) {
                    socket->disconnectFromServer();
                    return;
                }
            }
        });
    }
}

bool TSingleInstance::TakeLine(const QByteArray& line, QStringList& paths) {
    constexpr qsizetype mostPaths = 100000;
    if (!line.startsWith(openPrefix) || !line.endsWith('\n') || paths.size() >= mostPaths)
        return false; // not a copy of this program: hang up, open nothing
    paths.append(QString::fromUtf8(line.mid(openPrefix.size()).chopped(1)));
    return true;
}

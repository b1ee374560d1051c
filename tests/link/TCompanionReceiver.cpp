#include "TCompanionReceiver.h"

#include <QLocalSocket>
#include <QUuid>
#include <QtEndian>

TCompanionReceiver::TCompanionReceiver(const QString& serverName) {
    QLocalServer::removeServer(serverName);
    server_.listen(serverName);
    connect(&server_, &QLocalServer::newConnection, this, &TCompanionReceiver::TakeConnection);
}

void TCompanionReceiver::TakeConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto* received = new QByteArray;
        connect(socket, &QLocalSocket::readyRead, socket, [socket, received] { *received += socket->readAll(); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, received] {
            *received += socket->readAll();
            Messages.append(*received);
            emit MessageReceived(*received);
            delete received;
            socket->deleteLater();
        });
    }
}

TCompanionMessageParts SplitCompanionMessage(const QByteArray& message) {
    TCompanionMessageParts parts;
    if (message.size() < 8)
        return parts;
    parts.Tag = qFromLittleEndian<quint32>(message.constData());
    parts.ByteCount = qFromLittleEndian<quint32>(message.constData() + 4);
    parts.Text = message.mid(8);
    return parts;
}

QString UniqueCompanionName() {
    return "trackmoth-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

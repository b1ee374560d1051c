#pragma once

#include <QByteArray>
#include <QList>
#include <QLocalServer>
#include <QObject>

// Our own stand-in for Sonaphor's receiving side: listens under `serverName` and keeps the
// bytes of each connection, from connect to disconnect, as one message.
class TCompanionReceiver : public QObject {
    Q_OBJECT
public:
    explicit TCompanionReceiver(const QString& serverName);
    bool Listening() const { return server_.isListening(); }
    QList<QByteArray> Messages;

signals:
    void MessageReceived(const QByteArray& message);

private:
    void TakeConnection();
    QLocalServer server_;
};

// The parts of one message as the receiving side reads them.
struct TCompanionMessageParts {
    quint32 Tag = 0xffffffff;
    quint32 ByteCount = 0;
    QByteArray Text; // everything after the header, zero byte included
};
TCompanionMessageParts SplitCompanionMessage(const QByteArray& message);

// A server name of one's own, so that tests running at the same time never meet.
QString UniqueCompanionName();

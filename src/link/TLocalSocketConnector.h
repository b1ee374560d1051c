#pragma once

#include "link/ICompanionConnector.h"

#include <QObject>

// Delivers to a QLocalServer of the given name ("Sonaphor" for the real companion; tests
// listen under names of their own). Nothing here blocks: connecting and writing run in the
// event loop.
class TLocalSocketConnector : public QObject, public ICompanionConnector {
    Q_OBJECT
public:
    static constexpr const char* CompanionServerName = "Sonaphor";
    // How long one attempt may take from connecting to the last byte written (milliseconds).
    static constexpr int AttemptLimit = 5000;

    explicit TLocalSocketConnector(const QString& serverName = CompanionServerName,
                                   QObject* parent = nullptr);
    void Deliver(const QByteArray& message, TAnswered answered) override;

private:
    QString serverName_;
};

#pragma once

#include "services/IConnectionCheck.h"

#include <QStringList>

// A connection check that answers what the test says and remembers what it was asked.
class TFakeConnection : public IConnectionCheck {
public:
    bool IsInternetConnected(const QString& host) override {
        AskedFor.append(host);
        return Connected;
    }
    bool Connected = true;
    QStringList AskedFor;
};

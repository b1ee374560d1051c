#pragma once

#include "services/IProgramStarter.h"
#include "services/IUrlOpener.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <QUrl>

// Records the URLs the program would open.
class TRecordingOpener : public IUrlOpener {
public:
    using IUrlOpener::Open;
    void Open(const QUrl& url, std::function<void()> failed) override {
        Opened.append(url);
        if (Fails && failed)
            failed();
    }
    QList<QUrl> Opened;
    bool Fails = false; // nothing on the machine can open it
};

// Records the programs the program would start, and starts them or not as told.
class TRecordingStarter : public IProgramStarter {
public:
    bool Start(const QString& program, const QString& parameters) override {
        Started.append({program, parameters});
        return Succeeds;
    }
    QList<QPair<QString, QString>> Started;
    bool Succeeds = true;
};

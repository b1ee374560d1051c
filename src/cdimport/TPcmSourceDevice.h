#pragma once

#include "cdimport/IPcmSource.h"

#include <QIODevice>

// Lets an audio sink pull the samples of a PCM source. Read-only and sequential; the source
// is not owned.
class TPcmSourceDevice : public QIODevice {
public:
    explicit TPcmSourceDevice(IPcmSource& source, QObject* parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool atEnd() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    IPcmSource& source_;
};

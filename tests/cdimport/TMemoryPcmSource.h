#pragma once

#include "cdimport/IPcmSource.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

// CD-format PCM held in memory, for fake drives. `Error` and `Report` stand for what a secure
// read found.
class TMemoryPcmSource : public IPcmSource {
public:
    explicit TMemoryPcmSource(QByteArray samples, QString error = {}, QString report = {})
        : samples_(std::move(samples)), error_(std::move(error)), report_(std::move(report)) {}

    TPcmFormat Format() const override { return {}; }
    qint64 Length() const override { return samples_.size(); }
    qint64 Position() const override { return position_; }
    bool IsActive() const override { return position_ < samples_.size(); }
    qint64 Read(char* buffer, qint64 maxBytes) override {
        const qint64 count = std::min(maxBytes, samples_.size() - position_);
        std::memcpy(buffer, samples_.constData() + position_, size_t(count));
        position_ += count;
        return count;
    }
    void Seek(qint64 bytePosition) override {
        position_ = std::clamp<qint64>(bytePosition, 0, samples_.size());
    }
    QString ErrorText() const override { return error_; }
    QString ReadReport() const override { return report_; }

private:
    QByteArray samples_;
    QString error_;
    QString report_;
    qint64 position_ = 0;
};

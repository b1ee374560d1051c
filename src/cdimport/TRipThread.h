#pragma once

#include "cdimport/IPcmSource.h"
#include "cdimport/TAccurateRipSum.h"

#include <QFile>
#include <QThread>

#include <atomic>
#include <memory>
#include <optional>

// Copies a track's samples into an open WAV file, block by block, away from the GUI thread:
// a secure read of a bad sector can take seconds. Reports every block; stops after the block
// in which a cancel was requested, or at a write error. The file and source are handed back
// when it has finished; the source says itself why its audio is not exact.
class TRipThread : public QThread {
    Q_OBJECT
public:
    static constexpr qint64 BlockSize = 10000;

    // `source` may be null (a track that could not be opened): nothing is copied then.
    TRipThread(std::unique_ptr<IPcmSource> source, std::unique_ptr<QFile> file,
               const std::atomic<bool>& cancelRequest);

    // Valid once the thread has finished.
    std::unique_ptr<IPcmSource> TakeSource() { return std::move(source_); }
    std::unique_ptr<QFile> TakeFile() { return std::move(file_); }
    // Why writing the file failed, with its name and the system's reason; empty when every
    // block read was written.
    const QString& ErrorText() const { return errorText_; }
    // Checksums of every byte copied; set before the start.
    void SumAs(const TAccurateRipSum& sum) { sum_ = sum; }
    const std::optional<TAccurateRipSum>& Sum() const { return sum_; }

signals:
    void BlockCopied(qint64 position, qint64 length);

protected:
    void run() override;

private:
    bool CopyBlock(char* buffer);

    std::unique_ptr<IPcmSource> source_;
    std::unique_ptr<QFile> file_;
    const std::atomic<bool>& cancelRequest_;
    QString errorText_;
    std::optional<TAccurateRipSum> sum_;
};

#pragma once

#include "cdimport/IPcmSource.h"

#include <sndfile.h>

#include <memory>

// Decodes a sound file (WAV, AIFF, MP3 and what else libsndfile reads) to 16-bit PCM at the
// file's own rate and channel count, for preview.
class TSoundFileSource : public IPcmSource {
public:
    // nullptr when the file cannot be opened or decoded.
    static std::unique_ptr<TSoundFileSource> Open(const QString& path);

    TPcmFormat Format() const override { return format_; }
    qint64 Length() const override { return length_; }
    qint64 Position() const override { return position_; }
    bool IsActive() const override { return !failed_ && position_ < length_; }
    qint64 Read(char* buffer, qint64 maxBytes) override;
    void Seek(qint64 bytePosition) override;

private:
    struct TSndfileCloser {
        void operator()(SNDFILE* file) const { sf_close(file); }
    };

    TSoundFileSource(SNDFILE* file, const SF_INFO& info);

    std::unique_ptr<SNDFILE, TSndfileCloser> file_;
    TPcmFormat format_;
    qint64 length_ = 0;
    qint64 position_ = 0;
    bool failed_ = false;
};

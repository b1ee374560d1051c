#include "cdimport/TSoundFileSource.h"

#include <QFile>

#include <algorithm>

TSoundFileSource::TSoundFileSource(SNDFILE* file, const SF_INFO& info) : file_(file) {
    format_.Channels = info.channels;
    format_.SampleRate = info.samplerate;
    format_.BitsPerSample = 16;
    length_ = qint64(info.frames) * format_.BlockAlign();
}

std::unique_ptr<TSoundFileSource> TSoundFileSource::Open(const QString& path) {
    SF_INFO info{};
    const QByteArray encodedPath = QFile::encodeName(path);
    SNDFILE* file = sf_open(encodedPath.constData(), SFM_READ, &info);
    if (!file)
        return nullptr;
    if (info.channels < 1 || info.samplerate < 1) {
        sf_close(file);
        return nullptr;
    }
    return std::unique_ptr<TSoundFileSource>(new TSoundFileSource(file, info));
}

qint64 TSoundFileSource::Read(char* buffer, qint64 maxBytes) {
    if (failed_)
        return -1;
    const qint64 frames = std::min(maxBytes, length_ - position_) / format_.BlockAlign();
    if (frames <= 0)
        return 0;
    const sf_count_t framesRead = sf_readf_short(file_.get(), reinterpret_cast<short*>(buffer), frames);
    if (framesRead <= 0) {
        // Fewer frames than the header promised: end here rather than play silence.
        failed_ = framesRead < 0;
        length_ = position_;
        return failed_ ? -1 : 0;
    }
    const qint64 bytes = framesRead * format_.BlockAlign();
    position_ += bytes;
    return bytes;
}

void TSoundFileSource::Seek(qint64 bytePosition) {
    const qint64 frame = std::clamp<qint64>(bytePosition, 0, length_) / format_.BlockAlign();
    if (sf_seek(file_.get(), frame, SEEK_SET) >= 0)
        position_ = frame * format_.BlockAlign();
}

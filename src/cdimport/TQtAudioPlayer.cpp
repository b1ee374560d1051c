#include "cdimport/TQtAudioPlayer.h"

#include <algorithm>

namespace {
QAudioFormat SinkFormat(const TPcmFormat& format) {
    QAudioFormat sinkFormat;
    sinkFormat.setSampleRate(format.SampleRate);
    sinkFormat.setChannelCount(format.Channels);
    sinkFormat.setSampleFormat(format.BitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return sinkFormat;
}
} // namespace

TQtAudioPlayer::TQtAudioPlayer(const QAudioDevice& device, std::unique_ptr<IPcmSource> source)
    : source_(std::move(source)), sourceDevice_(*source_),
      sink_(std::make_unique<QAudioSink>(device, SinkFormat(source_->Format()))) {
    sourceDevice_.open(QIODevice::ReadOnly);
}

TQtAudioPlayer::~TQtAudioPlayer() { sink_->stop(); }

bool TQtAudioPlayer::Play() {
    if (IsPlaying())
        return true;
    if (!source_->IsActive())
        return false;
    startPosition_ = source_->Position();
    sink_->start(&sourceDevice_);
    return sink_->error() == QAudio::NoError;
}

void TQtAudioPlayer::Stop() {
    const qint64 heard = Position();
    sink_->stop();
    // The sink had pulled ahead of what was heard; resume from what was heard.
    source_->Seek(heard);
}

bool TQtAudioPlayer::HasPlayedToTheEnd() const {
    return sink_->state() == QAudio::IdleState && !source_->IsActive();
}

bool TQtAudioPlayer::IsPlaying() const {
    const QAudio::State state = sink_->state();
    // Idle with samples left is a short underrun, not the end.
    return state == QAudio::ActiveState ||
           (state == QAudio::IdleState && !HasPlayedToTheEnd());
}

qint64 TQtAudioPlayer::Position() const {
    if (HasPlayedToTheEnd())
        return source_->Length();
    if (sink_->state() == QAudio::StoppedState)
        return source_->Position();
    const TPcmFormat format = source_->Format();
    const qint64 played = qint64(sink_->processedUSecs()) * format.BytesPerSecond() / 1000000;
    const qint64 position = std::min(startPosition_ + played, source_->Position());
    return position - position % format.BlockAlign();
}

void TQtAudioPlayer::SetPosition(qint64 bytePosition) {
    const bool wasPlaying = IsPlaying();
    sink_->stop();
    source_->Seek(bytePosition);
    if (wasPlaying)
        Play();
}

void TQtAudioPlayer::SetVolume(float volume) { sink_->setVolume(std::clamp(volume, 0.0f, 1.0f)); }

#pragma once

#include "cdimport/IAudioPlayer.h"
#include "cdimport/IPcmSource.h"
#include "cdimport/TPcmSourceDevice.h"

#include <QAudioDevice>
#include <QAudioSink>

#include <memory>

// Plays a PCM source through a QAudioSink that pulls the samples as it needs them.
class TQtAudioPlayer : public IAudioPlayer {
public:
    TQtAudioPlayer(const QAudioDevice& device, std::unique_ptr<IPcmSource> source);
    ~TQtAudioPlayer() override;

    bool Play() override;
    void Stop() override;
    bool IsPlaying() const override;
    qint64 Position() const override;
    qint64 Length() const override { return source_->Length(); }
    void SetPosition(qint64 bytePosition) override;
    void SetVolume(float volume) override;
    TPcmFormat Format() const override { return source_->Format(); }

private:
    bool HasPlayedToTheEnd() const;

    std::unique_ptr<IPcmSource> source_;
    TPcmSourceDevice sourceDevice_;
    std::unique_ptr<QAudioSink> sink_;
    // Source position where the sink last started; the sink counts time from there.
    qint64 startPosition_ = 0;
};

#pragma once

#include "cdimport/IAudioOutput.h"

#include <QList>

// An output that plays nothing and shows what was asked of it.
class TFakeAudioPlayer : public IAudioPlayer {
public:
    explicit TFakeAudioPlayer(std::unique_ptr<IPcmSource> source) : source_(std::move(source)) {}

    bool Play() override { return Playing = true; }
    void Stop() override { Playing = false; }
    bool IsPlaying() const override { return Playing; }
    qint64 Position() const override { return source_->Position(); }
    qint64 Length() const override { return source_->Length(); }
    void SetPosition(qint64 bytePosition) override { source_->Seek(bytePosition); }
    void SetVolume(float volume) override { Volume = volume; }
    TPcmFormat Format() const override { return source_->Format(); }

    bool Playing = false;
    float Volume = 1.0f;

private:
    std::unique_ptr<IPcmSource> source_;
};

class TFakeAudioOutput : public IAudioOutput {
public:
    explicit TFakeAudioOutput(bool canOpen = true) : CanOpen(canOpen) {}

    bool Init() override { return CanOpen; }
    std::unique_ptr<IAudioPlayer> CreatePlayer(std::unique_ptr<IPcmSource> source) override {
        if (!source)
            return nullptr;
        auto player = std::make_unique<TFakeAudioPlayer>(std::move(source));
        LastPlayer = player.get();
        ++PlayersCreated;
        return player;
    }

    TFakeAudioPlayer* LastPlayer = nullptr; // owned by whoever asked for it
    int PlayersCreated = 0;
    bool CanOpen; // false: no device, as on a machine without a sound server
};

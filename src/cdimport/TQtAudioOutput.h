#pragma once

#include "cdimport/IAudioOutput.h"

#include <QAudioDevice>

// Preview output through Qt Multimedia on the system's default output device.
class TQtAudioOutput : public IAudioOutput {
public:
    bool Init() override;
    std::unique_ptr<IAudioPlayer> CreatePlayer(std::unique_ptr<IPcmSource> source) override;

private:
    QAudioDevice device_;
};

#include "cdimport/TQtAudioOutput.h"

#include "cdimport/TQtAudioPlayer.h"

#include <QMediaDevices>

bool TQtAudioOutput::Init() {
    device_ = QMediaDevices::defaultAudioOutput();
    return !device_.isNull();
}

std::unique_ptr<IAudioPlayer> TQtAudioOutput::CreatePlayer(std::unique_ptr<IPcmSource> source) {
    // A sound server started after the program gives the previews their output.
    if (device_.isNull())
        Init();
    if (!source || device_.isNull())
        return nullptr;
    return std::make_unique<TQtAudioPlayer>(device_, std::move(source));
}

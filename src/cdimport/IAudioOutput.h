#pragma once

#include "cdimport/IAudioPlayer.h"
#include "cdimport/IPcmSource.h"

#include <memory>

// The sound output used for previews.
class IAudioOutput {
public:
    virtual ~IAudioOutput() = default;
    // Opens the default output device; false when there is none that can play.
    virtual bool Init() = 0;
    // A player for `source`, stopped at its start; nullptr for no source.
    virtual std::unique_ptr<IAudioPlayer> CreatePlayer(std::unique_ptr<IPcmSource> source) = 0;
};

#pragma once

#include "naming/TFileNameOptions.h"
#include "naming/TPanelValues.h"

class TSoundList;

// Copies the panel into every sound: title and comment from its description, artist, album
// and publisher from the series, CD and publisher texts; the bext description template is
// emptied without "Broadcast-tag" and set to "%SoundDescription;" with it when it is empty.
// Then the new names are built (throws the name builder's EAppError for a track number that is
// no integer).
void ApplyPanelFields(TSoundList& sounds, const TPanelValues& panel, const TFileNameOptions& naming);

// The bext description rule alone: emptied without "Broadcast-tag", "%SoundDescription;" with
// it where it is empty.
void ApplyBroadcastTagRule(TSoundList& sounds, bool broadcastTag);

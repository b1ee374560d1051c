#pragma once

#include "cdimport/ICdDrives.h"

#include <QList>
#include <QString>
#include <QStringList>

// What one look at a drive found: the door state, or the disc's tracks and identification.
struct TDiscRead {
    bool DoorOpen = false;
    QStringList TrackNames; // "Track 01", "Track 02 (data)", ...; empty without a readable disc
    QList<int> Lengths;     // whole seconds per track, -1 for a data track
    QString DiscId;
    TCdText Text;           // empty when the disc carries none
};

#pragma once

#include "cdimport/ICdDrives.h"
#include "cdimport/TMemoryPcmSource.h"

#include <QList>

// Drives and discs as a test sets them up. Every drive holds the same disc.
class TFakeCdDrives : public ICdDrives {
public:
    QList<TCdDriveInfo> Drives;
    QList<qint64> TrackBytes; // per track; -1 for a data track; empty: no disc
    QString DiscId;
    bool DoorOpen = false;
    int TracksOpened = 0;
    QString ReadError;  // what every opened track's read reports at its end
    QString ReadReport;

    std::optional<TCdDriveInfo> Info(int drive) override {
        InfoAsked.append(drive);
        if (drive < 0 || drive >= Drives.size())
            return std::nullopt;
        return Drives[drive];
    }
    bool IsDoorOpen(int) override { return DoorOpen; }
    int TrackCount(int) override { return TrackBytes.isEmpty() ? -1 : int(TrackBytes.size()); }
    qint64 TrackLength(int, int track) override { return TrackBytes.value(track, -1); }
    QString CddbId(int) override { return DiscId; }
    std::unique_ptr<IPcmSource> OpenTrack(int, int track, TCdReadMode) override {
        if (TrackBytes.value(track, -1) < 0)
            return nullptr;
        ++TracksOpened;
        return std::make_unique<TMemoryPcmSource>(QByteArray(TrackBytes[track], '\x11'), ReadError,
                                                  ReadReport);
    }

    QList<int> InfoAsked;
};

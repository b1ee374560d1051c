#pragma once

#include "cdimport/ICdDrives.h"
#include "cdimport/TMemoryPcmSource.h"

#include <QList>
#include <QSemaphore>
#include <QThread>

// Drives and discs as a test sets them up. Every drive holds the same disc.
class TFakeCdDrives : public ICdDrives {
public:
    QList<TCdDriveInfo> Drives;
    QList<qint64> TrackBytes; // per track; -1 for a data track; empty: no disc
    QString DiscId;
    TCdText Text;
    bool DoorOpen = false;
    int TracksOpened = 0;
    QString ReadError;  // what every opened track's read reports at its end
    QString ReadReport;
    // What a new listing finds (a drive plugged in later); with `Gate` set, a listing waits
    // for one release of it.
    QList<TCdDriveInfo> Attached;
    QSemaphore* Gate = nullptr;
    mutable QThread* FoundOn = nullptr;

    QList<TCdDrive> FindDrives() const override {
        FoundOn = QThread::currentThread();
        if (Gate)
            Gate->acquire();
        QList<TCdDrive> found;
        for (const TCdDriveInfo& info : Attached)
            found.append({info.Name, false, info});
        return found;
    }
    void UseDrives(const QList<TCdDrive>& drives) override {
        Drives.clear();
        for (const TCdDrive& drive : drives)
            Drives.append(drive.Info);
    }

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
    TCdText CdText(int) override { return Text; }
    std::unique_ptr<IPcmSource> OpenTrack(int, int track, TCdReadMode) override {
        if (TrackBytes.value(track, -1) < 0)
            return nullptr;
        ++TracksOpened;
        return std::make_unique<TMemoryPcmSource>(QByteArray(TrackBytes[track], '\x11'), ReadError,
                                                  ReadReport);
    }

    QList<int> InfoAsked;
};

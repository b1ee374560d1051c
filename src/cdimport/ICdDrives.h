#pragma once

#include "cdimport/IPcmSource.h"

#include <QList>
#include <QStringList>
#include <QString>

#include <memory>
#include <optional>

// What a drive reports about itself. `Name` is the device path or the image's file name.
struct TCdDriveInfo {
    QString Name;
    QString Vendor;
    QString Product;
};

// A drive as a listing found it: what opening it takes, and what the user is shown.
struct TCdDrive {
    QString Path;
    bool IsImage = false;
    TCdDriveInfo Info;
};

// The CD-Text of a disc: album title and performer, and one title per track (from 0; missing
// or empty for tracks without one).
struct TCdText {
    QString Album;
    QString Performer;
    QStringList TrackTitles;
    bool IsEmpty() const {
        for (const QString& title : TrackTitles)
            if (!title.isEmpty())
                return false;
        return Album.isEmpty() && Performer.isEmpty();
    }
};

// Secure reads verify and correct every sector (slow on a scratched disc); plain reads take
// what the drive delivers.
enum class TCdReadMode { Secure, Plain };

// The CD drives and disc images of the machine, numbered from 0. Tracks count from 0.
class ICdDrives {
public:
    virtual ~ICdDrives() = default;
    // Looks for the drives and disc images anew and changes nothing: opening a drive can take
    // seconds, so this may run on a worker thread while the calls below go on.
    virtual QList<TCdDrive> FindDrives() const = 0;
    // From now on the drives are `drives`, numbered from 0.
    virtual void UseDrives(const QList<TCdDrive>& drives) = 0;
    // Nothing for a number that has no drive.
    virtual std::optional<TCdDriveInfo> Info(int drive) = 0;
    virtual bool IsDoorOpen(int drive) = 0;
    // -1 when the drive holds no readable disc.
    virtual int TrackCount(int drive) = 0;
    // Length in bytes of 16-bit stereo PCM; -1 for a data track or a missing one.
    virtual qint64 TrackLength(int drive, int track) = 0;
    // The CDDB disc identification string; empty without a disc.
    virtual QString CddbId(int drive) = 0;
    // A reader of the track's audio; nullptr when it cannot be opened (data track, no disc).
    virtual std::unique_ptr<IPcmSource> OpenTrack(int drive, int track, TCdReadMode mode) = 0;
    // The disc's CD-Text; empty when it has none.
    virtual TCdText CdText(int /*drive*/) { return {}; }
};

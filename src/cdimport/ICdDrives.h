#pragma once

#include "cdimport/IPcmSource.h"

#include <QString>

#include <memory>
#include <optional>

// What a drive reports about itself. `Name` is the device path or the image's file name.
struct TCdDriveInfo {
    QString Name;
    QString Vendor;
    QString Product;
};

// Secure reads verify and correct every sector (slow on a scratched disc); plain reads take
// what the drive delivers.
enum class TCdReadMode { Secure, Plain };

// The CD drives and disc images of the machine, numbered from 0. Tracks count from 0.
class ICdDrives {
public:
    virtual ~ICdDrives() = default;
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
};

#pragma once

#include "cdimport/ICdDrives.h"
#include "cdimport/TCdioHandles.h"

#include <QList>
#include <QString>

// The machine's CD drives through libcdio, followed by every disc image ("NAME.cue" with its
// "NAME.bin") of the images folder, each image acting as one more drive whose door never opens.
// libcdio's own messages are kept off standard error.
class TLibcdioDrives : public ICdDrives {
public:
    // Lists the drives and the images of `imagesFolder` (which may be missing) once. Without
    // `includePhysicalDrives` only the images count, which keeps tests independent of the machine.
    explicit TLibcdioDrives(const QString& imagesFolder, bool includePhysicalDrives = true);

    std::optional<TCdDriveInfo> Info(int drive) override;
    bool IsDoorOpen(int drive) override;
    int TrackCount(int drive) override;
    qint64 TrackLength(int drive, int track) override;
    QString CddbId(int drive) override;
    std::unique_ptr<IPcmSource> OpenTrack(int drive, int track, TCdReadMode mode) override;

private:
    struct TDrive {
        QString Path;
        bool IsImage = false;
        TCdDriveInfo Info;
    };

    void AddPhysicalDrives();
    void AddImages(const QString& imagesFolder);
    const TDrive* Find(int drive) const;
    // The disc in `drive`, opened afresh because discs change; null without a readable one.
    TCdioHandle OpenDisc(int drive) const;

    QList<TDrive> drives_;
};

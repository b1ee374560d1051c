#pragma once

#include "cdimport/ICdDrives.h"
#include "cdimport/TCdioHandles.h"

#include <QList>
#include <QString>
#include <QStringList>

// The machine's CD drives through libcdio, followed by every disc image ("NAME.cue" with its
// "NAME.bin") of the images folders, each image acting as one more drive whose door never opens.
// libcdio's own messages are kept off standard error.
class TLibcdioDrives : public ICdDrives {
public:
    // Lists the drives and the images of `imagesFolder` (which may be missing). Without
    // `includePhysicalDrives` only the images count, which keeps tests independent of the machine.
    explicit TLibcdioDrives(const QString& imagesFolder, bool includePhysicalDrives = true);
    // The same with several images folders, searched in order; an image whose file name an
    // earlier folder already holds is left out.
    explicit TLibcdioDrives(const QStringList& imagesFolders, bool includePhysicalDrives = true);

    QList<TCdDrive> FindDrives() const override;
    void UseDrives(const QList<TCdDrive>& drives) override;

    std::optional<TCdDriveInfo> Info(int drive) override;
    bool IsDoorOpen(int drive) override;
    int TrackCount(int drive) override;
    qint64 TrackLength(int drive, int track) override;
    QString CddbId(int drive) override;
    std::unique_ptr<IPcmSource> OpenTrack(int drive, int track, TCdReadMode mode) override;
    TCdText CdText(int drive) override;

private:
    using TDrive = TCdDrive;

    static void AddPhysicalDrives(QList<TDrive>& drives);
    static void AddImages(const QString& imagesFolder, QList<TDrive>& drives);
    const TDrive* Find(int drive) const;
    // The disc in `drive`, opened afresh because discs change; null without a readable one.
    TCdioHandle OpenDisc(int drive) const;

    QStringList imagesFolders_;
    bool includePhysicalDrives_;
    QList<TDrive> drives_;
};

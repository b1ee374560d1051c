#include "cdimport/TLibcdioDrives.h"

#include "cdimport/TCdDisc.h"
#include "cdimport/TCdTrackSource.h"
#include "cdimport/TCddbDiscId.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include <cdio/cdtext.h>
#include <cdio/logging.h>
#include <cdio/mmc.h>

namespace {
constexpr qint64 sectorBytes = CDIO_CD_FRAMESIZE_RAW;

// libcdio prints warnings about every empty drive and odd image; the user cannot act on them.
void DropLibraryMessage(cdio_log_level_t, const char*) {}

QString FromLatin1Field(const char* field) { return QString::fromLatin1(field).trimmed(); }
} // namespace

TLibcdioDrives::TLibcdioDrives(const QString& imagesFolder, bool includePhysicalDrives)
    : TLibcdioDrives(QStringList{imagesFolder}, includePhysicalDrives) {}

TLibcdioDrives::TLibcdioDrives(const QStringList& imagesFolders, bool includePhysicalDrives)
    : imagesFolders_(imagesFolders), includePhysicalDrives_(includePhysicalDrives) {
    cdio_log_set_handler(DropLibraryMessage);
    drives_ = FindDrives();
}

QList<TCdDrive> TLibcdioDrives::FindDrives() const {
    QList<TDrive> found;
    if (includePhysicalDrives_)
        AddPhysicalDrives(found);
    for (const QString& folder : imagesFolders_)
        AddImages(folder, found);
    return found;
}

void TLibcdioDrives::UseDrives(const QList<TCdDrive>& drives) { drives_ = drives; }

void TLibcdioDrives::AddPhysicalDrives(QList<TDrive>& drives) {
    char** devices = cdio_get_devices(DRIVER_DEVICE);
    for (char** device = devices; device && *device; ++device) {
        TDrive drive{QString::fromLocal8Bit(*device), false, {QString::fromLocal8Bit(*device), {}, {}}};
        TCdioHandle cdio(cdio_open(*device, DRIVER_DEVICE));
        cdio_hwinfo_t hardware{};
        if (cdio && cdio_get_hwinfo(cdio.get(), &hardware)) {
            drive.Info.Vendor = FromLatin1Field(hardware.psz_vendor);
            drive.Info.Product = FromLatin1Field(hardware.psz_model);
        }
        drives.append(drive);
    }
    cdio_free_device_list(devices);
}

void TLibcdioDrives::AddImages(const QString& imagesFolder, QList<TDrive>& drives) {
    const QDir folder(imagesFolder);
    const QStringList cueFiles = folder.entryList({"*.cue"}, QDir::Files, QDir::Name);
    for (const QString& cueFile : cueFiles) {
        const QString baseName = QFileInfo(cueFile).completeBaseName();
        // libcdio takes the samples from the .bin named like the .cue, not from its FILE line.
        if (!QFileInfo::exists(folder.filePath(baseName + ".bin")))
            continue;
        // The same folder given twice, or a user's copy of a shipped image, is listed once.
        const bool listed = std::any_of(drives.cbegin(), drives.cend(), [&](const TDrive& drive) {
            return drive.IsImage && drive.Info.Name == cueFile;
        });
        if (!listed)
            drives.append({folder.filePath(cueFile), true, {cueFile, "Disc image", baseName}});
    }
}

const TLibcdioDrives::TDrive* TLibcdioDrives::Find(int drive) const {
    return drive >= 0 && drive < drives_.size() ? &drives_[drive] : nullptr;
}

TCdioHandle TLibcdioDrives::OpenDisc(int drive) const {
    const TDrive* found = Find(drive);
    if (!found)
        return nullptr;
    const QByteArray path = QFile::encodeName(found->Path);
    return TCdioHandle(cdio_open(path.constData(), found->IsImage ? DRIVER_BINCUE : DRIVER_DEVICE));
}

std::optional<TCdDriveInfo> TLibcdioDrives::Info(int drive) {
    const TDrive* found = Find(drive);
    if (!found)
        return std::nullopt;
    return found->Info;
}

bool TLibcdioDrives::IsDoorOpen(int drive) {
    const TDrive* found = Find(drive);
    if (!found || found->IsImage)
        return false;
    TCdioHandle cdio = OpenDisc(drive);
    // 1 is an open tray; drives that cannot tell answer with an error code below 0.
    return cdio && mmc_get_tray_status(cdio.get()) == 1;
}

int TLibcdioDrives::TrackCount(int drive) {
    TCdioHandle cdio = OpenDisc(drive);
    return cdio ? TCdDisc(cdio.get()).TrackCount() : -1;
}

qint64 TLibcdioDrives::TrackLength(int drive, int track) {
    TCdioHandle cdio = OpenDisc(drive);
    if (!cdio)
        return -1;
    const TCdDisc disc(cdio.get());
    if (track < 0 || track >= disc.TrackCount() || !disc.IsAudio(track))
        return -1;
    return disc.SectorCount(track) * sectorBytes;
}

QString TLibcdioDrives::CddbId(int drive) {
    TCdioHandle cdio = OpenDisc(drive);
    if (!cdio)
        return {};
    const TCdDisc disc(cdio.get());
    return TCddbDiscId::Compute(disc.TrackOffsets(), disc.LeadOutOffset());
}

TCdText TLibcdioDrives::CdText(int drive) {
    TCdText text;
    TCdioHandle cdio = OpenDisc(drive);
    if (!cdio)
        return text;
    // Owned by the CdIo_t; libcdio hands its fields over as UTF-8.
    cdtext_t* cdtext = cdio_get_cdtext(cdio.get());
    if (!cdtext)
        return text;
    auto field = [cdtext](cdtext_field_t kind, track_t track) {
        return QString::fromUtf8(cdtext_get_const(cdtext, kind, track)).trimmed();
    };
    text.Album = field(CDTEXT_FIELD_TITLE, 0);
    text.Performer = field(CDTEXT_FIELD_PERFORMER, 0);
    const track_t first = cdio_get_first_track_num(cdio.get());
    const int count = TCdDisc(cdio.get()).TrackCount();
    for (int track = 0; track < count; ++track)
        text.TrackTitles.append(field(CDTEXT_FIELD_TITLE, track_t(first + track)));
    return text;
}

std::unique_ptr<IPcmSource> TLibcdioDrives::OpenTrack(int drive, int track, TCdReadMode mode) {
    TCdioHandle cdio = OpenDisc(drive);
    if (!cdio)
        return nullptr;
    const TCdDisc disc(cdio.get());
    if (track < 0 || track >= disc.TrackCount() || !disc.IsAudio(track))
        return nullptr;
    const lsn_t firstSector = disc.FirstSector(track);
    const int sectorCount = disc.SectorCount(track);
    return TCdTrackSource::Open(std::move(cdio), firstSector, sectorCount, mode);
}

#include "cdimport/TCdDisc.h"

namespace {
// The lead-out, lead-in and pre-gap between the sessions of a CD-Extra disc, in sectors.
constexpr int sessionGapSectors = 11400;
} // namespace

int TCdDisc::TrackCount() const {
    const track_t count = cdio_get_num_tracks(cdio_);
    return count == CDIO_INVALID_TRACK || count == 0 ? -1 : int(count);
}

track_t TCdDisc::LibraryTrack(int track) const {
    return track_t(cdio_get_first_track_num(cdio_) + track);
}

bool TCdDisc::IsAudio(int track) const {
    return cdio_get_track_format(cdio_, LibraryTrack(track)) == TRACK_FORMAT_AUDIO;
}

lsn_t TCdDisc::FirstSector(int track) const { return cdio_get_track_lsn(cdio_, LibraryTrack(track)); }

bool TCdDisc::NextTrackOpensLaterSession(int track) const {
    if (track + 1 >= TrackCount() || IsAudio(track + 1))
        return false;
    lsn_t lastSessionStart = 0;
    return cdio_get_last_session(cdio_, &lastSessionStart) == DRIVER_OP_SUCCESS &&
           lastSessionStart > 0 && FirstSector(track + 1) >= lastSessionStart;
}

int TCdDisc::SectorCount(int track) const {
    int count = int(cdio_get_track_sec_count(cdio_, LibraryTrack(track)));
    if (NextTrackOpensLaterSession(track) && count > sessionGapSectors)
        count -= sessionGapSectors;
    return count;
}

QList<int> TCdDisc::TrackOffsets() const {
    QList<int> offsets;
    for (int track = 0; track < TrackCount(); ++track)
        offsets.append(int(cdio_get_track_lba(cdio_, LibraryTrack(track))));
    return offsets;
}

int TCdDisc::LeadOutOffset() const {
    return int(cdio_get_track_lba(cdio_, CDIO_CDROM_LEADOUT_TRACK));
}

#pragma once

#include "cdimport/TCdioHandles.h"

#include <QList>

// Reads the table of contents of an open disc. Tracks count from 0 here; libcdio's own
// numbers start at the disc's first track number.
class TCdDisc {
public:
    explicit TCdDisc(CdIo_t* cdio) : cdio_(cdio) {}

    // -1 when there is no readable disc.
    int TrackCount() const;
    bool IsAudio(int track) const;
    lsn_t FirstSector(int track) const;
    // Sectors of audio, without the gap before a data session that follows an audio session.
    int SectorCount(int track) const;
    // Track starts and lead-out in frames counting the 150-frame lead-in, for the disc id.
    QList<int> TrackOffsets() const;
    int LeadOutOffset() const;

private:
    track_t LibraryTrack(int track) const;
    bool NextTrackOpensLaterSession(int track) const;

    CdIo_t* cdio_;
};

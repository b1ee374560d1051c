#pragma once

#include <cdio/paranoia/paranoia.h>

#include <QString>

#include <set>

// What cd-paranoia went through while it read one track: its reads and verifies, the errors it
// corrected and the sectors it could not read. Counted from paranoia's progress callback, whose
// positions are 16-bit words from the start of the disc.
class TSecureReadCounts {
public:
    TSecureReadCounts(int firstSector, int sectorCount)
        : firstSector_(firstSector), endSector_(firstSector + sectorCount) {}

    void Count(long position, paranoia_cb_mode_t event);

    int Reads = 0;
    int Verifies = 0;
    int JitterCorrections = 0;
    int DriftCorrections = 0;
    int DroppedBytesCorrections = 0;
    int DuplicatedBytesCorrections = 0;
    int ReadErrors = 0; // low-level reads that delivered fewer sectors than asked for
    int SkipsInTrack = 0; // paranoia gave up and filled in unverified data or silence

    // Sectors of the track a read failed on or paranoia gave up on; counted only once
    // paranoia gave up inside the track, since a failed read it repeated with success is a
    // correction, not a loss.
    int UnreadableSectors() const;
    // For the track's details: "Secure rip: no corrections", or the corrections made, e.g.
    // "Secure rip: 3 jitter corrections, 1 drift correction".
    QString CorrectionsText() const;
    // Empty when paranoia gave up on no sector of the track; otherwise
    // "n sectors could not be read, the first at mm:ss of the track".
    QString UnreadableText() const;

private:
    bool InTrack(long sector) const { return sector >= firstSector_ && sector < endSector_; }
    void NoteFailedSectors(long first, long last);

    int firstSector_;
    int endSector_;
    long failedReadFrom_ = -1; // the first sector a failed read missed, until its read ends
    std::set<long> failedSectors_;
};

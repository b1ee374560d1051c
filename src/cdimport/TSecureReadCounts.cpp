#include "cdimport/TSecureReadCounts.h"

#include <QStringList>

#include <algorithm>

namespace {
constexpr long wordsPerSector = CD_FRAMEWORDS;
constexpr int sectorsPerSecond = 75;

QString Counted(int count, const char* one, const char* many) {
    return QString("%1 %2").arg(count).arg(count == 1 ? one : many);
}
} // namespace

void TSecureReadCounts::Count(long position, paranoia_cb_mode_t event) {
    const long sector = position / wordsPerSector;
    switch (event) {
    case PARANOIA_CB_READ:
        // A read that fell short reports its shortfall first, then its last sector here.
        if (failedReadFrom_ >= 0)
            NoteFailedSectors(failedReadFrom_, sector);
        failedReadFrom_ = -1;
        ++Reads;
        break;
    case PARANOIA_CB_READERR:
        failedReadFrom_ = sector;
        ++ReadErrors;
        break;
    case PARANOIA_CB_SKIP:
        if (InTrack(sector)) {
            ++SkipsInTrack;
            failedSectors_.insert(sector);
        }
        break;
    case PARANOIA_CB_VERIFY:
        ++Verifies;
        break;
    case PARANOIA_CB_FIXUP_EDGE:
    case PARANOIA_CB_FIXUP_ATOM:
        ++JitterCorrections;
        break;
    case PARANOIA_CB_DRIFT:
        ++DriftCorrections;
        break;
    case PARANOIA_CB_FIXUP_DROPPED:
        ++DroppedBytesCorrections;
        break;
    case PARANOIA_CB_FIXUP_DUPED:
        ++DuplicatedBytesCorrections;
        break;
    default:
        break;
    }
}

void TSecureReadCounts::NoteFailedSectors(long first, long last) {
    for (long sector = std::max<long>(first, firstSector_); sector <= last && InTrack(sector); ++sector)
        failedSectors_.insert(sector);
}

int TSecureReadCounts::UnreadableSectors() const {
    return SkipsInTrack > 0 ? int(failedSectors_.size()) : 0;
}

QString TSecureReadCounts::CorrectionsText() const {
    QStringList parts;
    if (JitterCorrections > 0)
        parts << Counted(JitterCorrections, "jitter correction", "jitter corrections");
    if (DriftCorrections > 0)
        parts << Counted(DriftCorrections, "drift correction", "drift corrections");
    if (DroppedBytesCorrections > 0)
        parts << Counted(DroppedBytesCorrections, "dropped bytes correction",
                         "dropped bytes corrections");
    if (DuplicatedBytesCorrections > 0)
        parts << Counted(DuplicatedBytesCorrections, "duplicated bytes correction",
                         "duplicated bytes corrections");
    if (ReadErrors > 0)
        parts << Counted(ReadErrors, "read error read again", "read errors read again");
    return "Secure rip: " + (parts.isEmpty() ? QString("no corrections") : parts.join(", "));
}

QString TSecureReadCounts::UnreadableText() const {
    const int count = UnreadableSectors();
    if (count == 0)
        return {};
    const int seconds = int((*failedSectors_.begin() - firstSector_) / sectorsPerSecond);
    return Counted(count, "sector", "sectors") +
           QString::asprintf(" could not be read, the first at %02d:%02d of the track", seconds / 60,
                             seconds % 60);
}

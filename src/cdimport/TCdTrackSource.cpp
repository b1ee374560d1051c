#include "cdimport/TCdTrackSource.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {
constexpr int sectorBytes = CDIO_CD_FRAMESIZE_RAW; // 2,352
// Sectors fetched per buffer fill: enough to keep the per-call cost of a drive low.
constexpr int sectorsPerFill = 8;
// Reads of one sector before paranoia gives up on it (cd-paranoia's own default), so that a
// sector no drive can read costs seconds, not the rest of the day.
constexpr int maxRetriesPerSector = 20;

// Paranoia's callback carries no user data; each read names the counts it goes to here, on
// the thread that reads.
thread_local TSecureReadCounts* countsOfThisRead = nullptr;

void CountParanoiaEvent(long position, paranoia_cb_mode_t event) {
    if (countsOfThisRead)
        countsOfThisRead->Count(position, event);
}
} // namespace

TCdTrackSource::TCdTrackSource(TCdioHandle cdio, lsn_t firstSector, int sectorCount)
    : cdio_(std::move(cdio)), firstSector_(firstSector),
      length_(qint64(std::max(sectorCount, 0)) * sectorBytes), counts_(firstSector, sectorCount) {
    // A track list may promise sectors the disc does not hold (an image cut short: its tracks
    // come from the cue, its end from the data). Paranoia answers such reads with silence and
    // no complaint, so the end is kept here, for both read modes alike.
    const lsn_t lastSector = cdio_get_disc_last_lsn(cdio_.get());
    if (lastSector != CDIO_INVALID_LSN)
        discEnd_ = lastSector + 1;
}

std::unique_ptr<TCdTrackSource> TCdTrackSource::Open(TCdioHandle cdio, lsn_t firstSector,
                                                     int sectorCount, TCdReadMode mode) {
    std::unique_ptr<TCdTrackSource> source(
        new TCdTrackSource(std::move(cdio), firstSector, sectorCount));
    if (mode == TCdReadMode::Secure && !source->AttachParanoia())
        return nullptr;
    return source;
}

bool TCdTrackSource::AttachParanoia() {
    cdda_.reset(cdio_cddap_identify_cdio(cdio_.get(), CDDA_MESSAGE_FORGETIT, nullptr));
    if (!cdda_)
        return false;
    cdio_cddap_verbose_set(cdda_.get(), CDDA_MESSAGE_FORGETIT, CDDA_MESSAGE_FORGETIT);
    // CD audio is little-endian. Left to guess, paranoia judges the byte order from the audio
    // and swaps every sample of noise-like material.
    cdda_->bigendianp = 0;
    if (cdio_cddap_open(cdda_.get()) != 0)
        return false;
    paranoia_.reset(cdio_paranoia_init(cdda_.get()));
    if (!paranoia_)
        return false;
    // Verify and retry, but skip a sector that stays unreadable instead of hanging forever.
    paranoia_modeset(paranoia_.get(), PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
    return true;
}

qint64 TCdTrackSource::Read(char* buffer, qint64 maxBytes) {
    if (failed_)
        return -1;
    qint64 copied = 0;
    while (copied < maxBytes && position_ < length_) {
        if (!BufferHolds(position_) && !FillBuffer()) {
            failed_ = true;
            return copied > 0 ? copied : -1;
        }
        const qint64 offset = position_ - bufferStart_;
        const qint64 count = std::min(maxBytes - copied, buffer_.size() - offset);
        std::memcpy(buffer + copied, buffer_.constData() + offset, size_t(count));
        copied += count;
        position_ += count;
    }
    return copied;
}

void TCdTrackSource::Seek(qint64 bytePosition) {
    const qint64 clamped = std::clamp<qint64>(bytePosition, 0, length_);
    position_ = clamped - clamped % Format().BlockAlign();
}

bool TCdTrackSource::BufferHolds(qint64 bytePosition) const {
    return bytePosition >= bufferStart_ && bytePosition < bufferStart_ + buffer_.size();
}

bool TCdTrackSource::FillBuffer() {
    const int sectorInTrack = int(position_ / sectorBytes);
    const int sectorsLeft = int(length_ / sectorBytes) - sectorInTrack;
    const lsn_t sector = firstSector_ + sectorInTrack;
    int count = std::min(sectorsPerFill, sectorsLeft);
    if (discEnd_ >= 0)
        count = std::min(count, int(discEnd_ - sector));
    if (count <= 0) {
        buffer_.clear();
        errorText_ = QString("Read error at sector %1").arg(sector);
        return false;
    }
    buffer_.resize(qsizetype(count) * sectorBytes);
    bufferStart_ = qint64(sectorInTrack) * sectorBytes;
    const bool ok = paranoia_ ? ReadSecure(sector, count) : ReadPlain(sector, count);
    if (!ok) {
        buffer_.clear();
        errorText_ = QString("Read error at sector %1").arg(sector);
    }
    return ok;
}

bool TCdTrackSource::ReadSecure(lsn_t sector, int count) {
    if (sector != nextParanoiaSector_)
        cdio_paranoia_seek(paranoia_.get(), sector, SEEK_SET);
    nextParanoiaSector_ = -1; // unknown until all reads below succeed
    for (int i = 0; i < count; ++i) {
        const int16_t* samples = ReadParanoiaSector();
        if (!samples)
            return false;
        // Paranoia delivers samples in the machine's order; the source delivers little-endian.
        qToLittleEndian<qint16>(samples, sectorBytes / 2, buffer_.data() + qsizetype(i) * sectorBytes);
    }
    nextParanoiaSector_ = sector + count;
    return true;
}

const int16_t* TCdTrackSource::ReadParanoiaSector() {
    countsOfThisRead = &counts_;
    const int16_t* samples = cdio_paranoia_read_limited(paranoia_.get(), CountParanoiaEvent,
                                                        maxRetriesPerSector);
    countsOfThisRead = nullptr;
    return samples;
}

QString TCdTrackSource::ErrorText() const {
    return errorText_.isEmpty() ? counts_.UnreadableText() : errorText_;
}

QString TCdTrackSource::ReadReport() const {
    return paranoia_ ? counts_.CorrectionsText() : QString();
}

bool TCdTrackSource::ReadPlain(lsn_t sector, int count) {
    return cdio_read_audio_sectors(cdio_.get(), buffer_.data(), sector, uint32_t(count)) ==
           DRIVER_OP_SUCCESS;
}

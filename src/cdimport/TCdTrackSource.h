#pragma once

#include "cdimport/ICdDrives.h"
#include "cdimport/IPcmSource.h"
#include "cdimport/TCdioHandles.h"
#include "cdimport/TSecureReadCounts.h"

#include <QByteArray>

#include <memory>

// Reads one audio track of an open disc (drive or image) as 44,100 Hz 16-bit stereo PCM.
// Secure mode goes through cd-paranoia, which re-reads and verifies sectors so that a
// scratched disc gives corrected audio instead of clicks. A sector paranoia gives up on after
// its retries is filled with silence by it: the read goes on, and ErrorText says how many.
class TCdTrackSource : public IPcmSource {
public:
    // Takes over `cdio`. nullptr when the secure reader cannot attach to the disc.
    static std::unique_ptr<TCdTrackSource> Open(TCdioHandle cdio, lsn_t firstSector,
                                                int sectorCount, TCdReadMode mode);

    TPcmFormat Format() const override { return {}; }
    qint64 Length() const override { return length_; }
    qint64 Position() const override { return position_; }
    bool IsActive() const override { return !failed_ && position_ < length_; }
    qint64 Read(char* buffer, qint64 maxBytes) override;
    void Seek(qint64 bytePosition) override;
    // A failed read, or else the sectors a secure read could not read.
    QString ErrorText() const override;
    QString ReadReport() const override;
    const TSecureReadCounts& SecureReadCounts() const { return counts_; }

private:
    TCdTrackSource(TCdioHandle cdio, lsn_t firstSector, int sectorCount);
    bool AttachParanoia();
    bool BufferHolds(qint64 bytePosition) const;
    bool FillBuffer();
    bool ReadSecure(lsn_t sector, int count);
    const int16_t* ReadParanoiaSector();
    bool ReadPlain(lsn_t sector, int count);

    // Declared in this order so that paranoia is freed before the drive it reads from.
    TCdioHandle cdio_;
    TCddaHandle cdda_;
    TParanoiaHandle paranoia_;
    lsn_t firstSector_;
    lsn_t discEnd_ = -1; // the first sector past the disc's data; -1: unknown
    qint64 length_;
    qint64 position_ = 0;
    QByteArray buffer_;
    qint64 bufferStart_ = 0;
    lsn_t nextParanoiaSector_ = -1;
    bool failed_ = false;
    QString errorText_;
    TSecureReadCounts counts_;
};

#pragma once

#include "app/TResult.h"

#include <QByteArray>
#include <QList>

class TWaveFile;

// In-place chunk writes into existing RIFF/WAVE files. Only the 12-byte file header and the
// 8-byte chunk headers are read; audio and every other chunk stay where and as they are, and
// no temporary copy is made. A file that fails the header checks, cannot be opened or would
// outgrow the 32-bit RIFF size is left unchanged. So is a file whose chunk list is damaged
// ("Invalid Wave file, damaged chunk at byte N"): a chunk id that is not four printable ASCII
// characters, a chunk that runs past the end of the file, or more chunks than any WAV file has.
// The one overrun accepted is a "data" chunk cut off by at most 16 MiB, a recording that
// stopped early: the new chunk then goes after a zero-filled gap at the end the "data" chunk
// declares. Zero bytes after the last whole chunk of a file with audio are padding some
// writers leave (up to 16 MiB): the walk ends where they begin, and a new chunk goes over them.
//
// Paths are the name's bytes on disk (DiskPath.h); errors show the name's display form. Errors
// come back as the result's text and are shown by no one here.

// The 32-bit id of a chunk: the little-endian reading of its four bytes as they stand.
constexpr quint32 MakeFourCC(unsigned char c1, unsigned char c2, unsigned char c3,
                             unsigned char c4) {
    return quint32(c1) | quint32(c2) << 8 | quint32(c3) << 16 | quint32(c4) << 24;
}

// Checks the file header and walks the chunk list: the reason a file is refused, if it is.
// Nothing is written.
TResult CheckWaveFile(const TWaveFile& file);

// Appends a new `id` chunk holding `payload` (plus one zero byte when its length is odd) where
// the walk ends, gives every older chunk `id` the id `retiredId` (its size and data stay) and
// corrects the RIFF size. Chunks with an id of `sameKind` (another writer's spelling of the same
// kind) are retired too, as "X" + their first three letters, so exactly one chunk of the kind
// stays in use. A failed append leaves the file as it was.
TResult ReplaceChunk(TWaveFile& file, quint32 id, quint32 retiredId, const QByteArray& payload,
                     const QList<quint32>& sameKind = {});

// Writes `prefix` over the start of the data of every chunk `id`. Only when the file has no
// such chunk is a new one holding `payload` appended and the RIFF size corrected.
// A chunk `id` too short for `prefix` is not written into: it is retired as "X" + the first
// three letters of `id`, and counts as absent.
TResult UpdateChunk(TWaveFile& file, quint32 id, const QByteArray& prefix,
                    const QByteArray& payload);

// The same, each opening the file at `path`, doing its work and closing it.
TResult ReplaceWaveChunk(const QByteArray& path, quint32 id, quint32 retiredId,
                         const QByteArray& payload, const QList<quint32>& sameKind = {});
TResult UpdateWaveChunk(const QByteArray& path, quint32 id, const QByteArray& prefix,
                        const QByteArray& payload);

#include "tags/WaveChunks.h"

#include "app/EAppError.h"
#include "tags/TWaveFile.h"

#include <QList>
#include <QtEndian>

namespace {
constexpr quint32 riffId = MakeFourCC('R', 'I', 'F', 'F');
constexpr quint32 waveId = MakeFourCC('W', 'A', 'V', 'E');
constexpr quint64 riffSizePosition = 4;
constexpr quint64 firstChunkPosition = 12;
constexpr quint64 chunkHeaderSize = 8;
constexpr quint64 largestRiffSize = 0xFFFFFFFFull;

constexpr quint32 dataId = MakeFourCC('d', 'a', 't', 'a');
// No WAV file anyone made has this many chunks (each retagging adds two); a longer list is
// garbage that would otherwise be walked 8 bytes at a time.
constexpr int largestChunkCount = 10000;
// A cut-off recording ("data" declaring more than the file holds) is tagged after a zero-filled
// gap; a gap larger than this is no cut-off but a placeholder size (0x7FFFFFFF, 0xFFFFFFFF of
// streaming writers) or garbage, and filling it would grow the file by gigabytes.
constexpr quint64 largestMissingData = 16ull << 20;

// Zero bytes after the last whole chunk are padding (writers that round files up to a block
// size); more than this many are no padding but a damaged or unfinished file.
constexpr quint64 largestPadding = 16ull << 20;
constexpr qsizetype paddingBlock = 64 * 1024;

struct TChunkRef {
    quint64 position; // of the chunk header
    quint32 size;     // data size as declared
    quint32 id;
};

struct TWalk {
    QList<TChunkRef> matches; // every chunk with one of the ids looked for
    quint64 end = 0;          // where an appended chunk begins
};

// Both checks come before any write, so a file that fails them stays unchanged.
void CheckHeader(const TWaveFile& file) {
    if (file.Length() < 4 || file.ReadUInt32(0) != riffId)
        throw EAppError(QStringLiteral("Invalid Wave file, no RIFF header"));
    if (file.Length() < 12 || file.ReadUInt32(8) != waveId)
        throw EAppError(QStringLiteral("Invalid Wave file, no WAVE header"));
}

[[noreturn]] void ThrowDamaged(quint64 position) {
    throw EAppError(QStringLiteral("Invalid Wave file, damaged chunk at byte %1").arg(position));
}

// Chunk ids are four printable ASCII characters; audio or garbage read as a header rarely is.
bool IsChunkId(quint32 id) {
    for (int shift = 0; shift < 32; shift += 8) {
        const quint32 byte = (id >> shift) & 0xFF;
        if (byte < 0x20 || byte > 0x7E)
            return false;
    }
    return true;
}

// Whether the chunk's data fit into the file. Only a "data" chunk may run a little past the end
// (a recording cut off); the walk then ends at its declared end, where the new chunk goes.
// A missing pad byte after the last chunk is common and harmless.
bool IsWhole(quint32 id, quint64 position, quint32 size, quint64 fileLength) {
    const quint64 dataEnd = position + chunkHeaderSize + size;
    if (dataEnd <= fileLength)
        return true;
    return id == dataId && dataEnd - fileLength <= largestMissingData;
}

// Whether everything from `position` to the end of the file is zero bytes, and not too many.
bool IsZeroPadding(const TWaveFile& file, quint64 position) {
    if (file.Length() - position > largestPadding)
        return false;
    for (quint64 at = position; at < file.Length(); at += paddingBlock) {
        const QByteArray block = file.Read(at, paddingBlock);
        if (block.isEmpty() || block.count('\0') != block.size())
            return false;
    }
    return true;
}

// Reads only chunk headers, and all of them before anything is written: a file whose chunk
// list is damaged is refused unchanged. The RIFF size in the file header is never trusted.
// Zeros after the last chunk count as padding only once audio came before them: a rip that
// never wrote its sizes ("data" of size 0, then silence) looks the same and is damaged.
TWalk Walk(const TWaveFile& file, const QList<quint32>& ids) {
    TWalk walk;
    quint64 position = firstChunkPosition;
    int count = 0;
    bool sawAudio = false;
    while (position + chunkHeaderSize <= file.Length()) {
        const QByteArray header = file.Read(position, chunkHeaderSize);
        const quint32 chunkId = qFromLittleEndian<quint32>(header.constData());
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (!IsChunkId(chunkId) && sawAudio && IsZeroPadding(file, position))
            break;
        if (!IsChunkId(chunkId) || ++count > largestChunkCount ||
            !IsWhole(chunkId, position, size, file.Length()))
            ThrowDamaged(position);
        if (ids.contains(chunkId))
            walk.matches.append({position, size, chunkId});
        sawAudio = sawAudio || (chunkId == dataId && size > 0);
        position += chunkHeaderSize + size + (size & 1);
    }
    walk.end = position;
    return walk;
}

TWalk CheckedWalk(const TWaveFile& file, const QList<quint32>& ids) {
    CheckHeader(file);
    return Walk(file, ids);
}

QByteArray PaddedToEven(const QByteArray& payload) {
    QByteArray padded = payload;
    if (padded.size() & 1)
        padded.append('\0');
    return padded;
}

// Refused before anything is written: the RIFF size field could not describe the result.
void CheckAppendFits(const TWaveFile& file, const TWalk& walk, const QByteArray& payload) {
    const quint64 newEnd = walk.end + chunkHeaderSize + PaddedToEven(payload).size();
    if (newEnd - 8 > largestRiffSize)
        throw EAppError(QStringLiteral("Cannot write tags into \"%1\": the file would grow "
                                       "beyond the 4 GiB that a RIFF file can hold")
                            .arg(file.ShownPath()));
}

// Writes the new chunk at the end of the walk (over stray bytes or padding, or after a
// zero-filled gap when the last chunk declared more data than the file holds) and returns where
// it ends. It comes before any id is retired, and a failed write puts back the bytes it went
// over and cuts the file back to its old length, so a full disk leaves the old tags in use and
// the file as it was.
quint64 AppendChunk(TWaveFile& file, quint64 position, quint32 id, const QByteArray& payload) {
    const QByteArray data = PaddedToEven(payload);
    QByteArray chunk(chunkHeaderSize, '\0');
    qToLittleEndian(id, chunk.data());
    qToLittleEndian(quint32(data.size()), chunk.data() + 4);
    chunk.append(data);
    const quint64 oldLength = file.Length();
    const QByteArray covered = position < oldLength ? file.Read(position, chunk.size()) : QByteArray();
    try {
        file.Write(position, chunk);
    } catch (const EAppError&) {
        file.Restore(position, covered, oldLength);
        throw;
    }
    return position + chunk.size();
}

// Only the id changes; size and data stay, so the file remains a valid RIFF file.
void Retire(TWaveFile& file, const QList<TChunkRef>& chunks, quint32 retiredId) {
    for (const TChunkRef& chunk : chunks)
        file.WriteUInt32(chunk.position, retiredId);
}

// The RIFF form ends with the last chunk; padding left after it stays outside.
void WriteRiffSize(TWaveFile& file, quint64 riffEnd) {
    file.WriteUInt32(riffSizePosition, quint32(riffEnd - 8));
}

// "bext" becomes "Xbex", as "id3 " becomes "Xid3" and "ID3 " "XID3".
quint32 RetiredIdOf(quint32 id) {
    return MakeFourCC('X', id & 0xFF, (id >> 8) & 0xFF, (id >> 16) & 0xFF);
}

// The walker's errors are EAppError texts; anything else escaping a step is a fault of ours and
// goes on to the general error display.
template <typename Step> TResult Guarded(Step step) {
    try {
        step();
        return TResult::Ok();
    } catch (const EAppError& error) {
        return TResult::Error(error.Text());
    }
}

void Replace(TWaveFile& file, quint32 id, quint32 retiredId, const QByteArray& payload,
             const QList<quint32>& sameKind) {
    const TWalk walk = CheckedWalk(file, QList<quint32>{id} + sameKind);
    CheckAppendFits(file, walk, payload);
    const quint64 riffEnd = AppendChunk(file, walk.end, id, payload);
    for (const TChunkRef& chunk : walk.matches)
        file.WriteUInt32(chunk.position, chunk.id == id ? retiredId : RetiredIdOf(chunk.id));
    WriteRiffSize(file, riffEnd);
}

void Update(TWaveFile& file, quint32 id, const QByteArray& prefix, const QByteArray& payload) {
    const TWalk walk = CheckedWalk(file, {id});
    QList<TChunkRef> usable;
    QList<TChunkRef> unusable;
    // The walk has made sure that every chunk but "data" lies wholly inside the file.
    for (const TChunkRef& chunk : walk.matches)
        (chunk.size >= quint32(prefix.size()) ? usable : unusable).append(chunk);
    if (!usable.isEmpty()) {
        Retire(file, unusable, RetiredIdOf(id));
        for (const TChunkRef& chunk : usable)
            file.Write(chunk.position + chunkHeaderSize, prefix);
        return;
    }
    CheckAppendFits(file, walk, payload);
    const quint64 riffEnd = AppendChunk(file, walk.end, id, payload);
    Retire(file, unusable, RetiredIdOf(id));
    WriteRiffSize(file, riffEnd);
}
} // namespace

TResult CheckWaveFile(const TWaveFile& file) {
    return Guarded([&] { CheckedWalk(file, {}); });
}

TResult ReplaceChunk(TWaveFile& file, quint32 id, quint32 retiredId, const QByteArray& payload,
                     const QList<quint32>& sameKind) {
    return Guarded([&] { Replace(file, id, retiredId, payload, sameKind); });
}

TResult UpdateChunk(TWaveFile& file, quint32 id, const QByteArray& prefix,
                    const QByteArray& payload) {
    return Guarded([&] { Update(file, id, prefix, payload); });
}

TResult ReplaceWaveChunk(const QByteArray& path, quint32 id, quint32 retiredId,
                         const QByteArray& payload, const QList<quint32>& sameKind) {
    return Guarded([&] {
        TWaveFile file(path);
        Replace(file, id, retiredId, payload, sameKind);
    });
}

TResult UpdateWaveChunk(const QByteArray& path, quint32 id, const QByteArray& prefix,
                        const QByteArray& payload) {
    return Guarded([&] {
        TWaveFile file(path);
        Update(file, id, prefix, payload);
    });
}

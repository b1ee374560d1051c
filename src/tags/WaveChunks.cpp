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

struct TChunkRef {
    quint64 position; // of the chunk header
    quint32 size;     // data size as declared
};

struct TWalk {
    QList<TChunkRef> matches; // every chunk with the id looked for
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

// Reads only chunk headers, and all of them before anything is written: a file whose chunk
// list is damaged is refused unchanged. The RIFF size in the file header is never trusted.
TWalk Walk(const TWaveFile& file, quint32 id) {
    TWalk walk;
    quint64 position = firstChunkPosition;
    int count = 0;
    while (position + chunkHeaderSize <= file.Length()) {
        const QByteArray header = file.Read(position, chunkHeaderSize);
        const quint32 chunkId = qFromLittleEndian<quint32>(header.constData());
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (!IsChunkId(chunkId) || ++count > largestChunkCount ||
            !IsWhole(chunkId, position, size, file.Length()))
            ThrowDamaged(position);
        if (chunkId == id)
            walk.matches.append({position, size});
        position += chunkHeaderSize + size + (size & 1);
    }
    walk.end = position;
    return walk;
}

QByteArray PaddedToEven(const QByteArray& payload) {
    QByteArray padded = payload;
    if (padded.size() & 1)
        padded.append('\0');
    return padded;
}

// Refused before anything is written: the RIFF size field could not describe the result.
void CheckAppendFits(const QString& path, const TWalk& walk, const QByteArray& payload) {
    const quint64 newLength = walk.end + chunkHeaderSize + PaddedToEven(payload).size();
    if (newLength - 8 > largestRiffSize)
        throw EAppError(QStringLiteral("Cannot write tags into \"%1\": the file would grow "
                                       "beyond the 4 GiB that a RIFF file can hold")
                            .arg(path));
}

// Writes the new chunk at the end of the walk (over stray bytes, or after a zero-filled gap
// when the last chunk declared more data than the file holds) and returns the new length.
// It comes before any id is retired, and a failed write cuts the file back to its old length,
// so a full disk leaves the old tags in use and the file as it was.
quint64 AppendChunk(TWaveFile& file, quint64 position, quint32 id, const QByteArray& payload) {
    const QByteArray data = PaddedToEven(payload);
    QByteArray chunk(chunkHeaderSize, '\0');
    qToLittleEndian(id, chunk.data());
    qToLittleEndian(quint32(data.size()), chunk.data() + 4);
    chunk.append(data);
    const quint64 oldLength = file.Length();
    try {
        file.Write(position, chunk);
    } catch (const EAppError&) {
        file.Truncate(oldLength);
        throw;
    }
    return position + chunk.size();
}

// Only the id changes; size and data stay, so the file remains a valid RIFF file.
void Retire(TWaveFile& file, const QList<TChunkRef>& chunks, quint32 retiredId) {
    for (const TChunkRef& chunk : chunks)
        file.WriteUInt32(chunk.position, retiredId);
}

void WriteRiffSize(TWaveFile& file, quint64 newLength) {
    file.WriteUInt32(riffSizePosition, quint32(newLength - 8));
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

// "bext" becomes "Xbex", as "id3 " becomes "Xid3".
quint32 RetiredIdOf(quint32 id) {
    return MakeFourCC('X', id & 0xFF, (id >> 8) & 0xFF, (id >> 16) & 0xFF);
}
} // namespace

TResult ReplaceWaveChunk(const QString& path, quint32 id, quint32 retiredId,
                         const QByteArray& payload) {
    return Guarded([&] {
        TWaveFile file(path);
        CheckHeader(file);
        const TWalk walk = Walk(file, id);
        CheckAppendFits(path, walk, payload);
        const quint64 newLength = AppendChunk(file, walk.end, id, payload);
        Retire(file, walk.matches, retiredId);
        WriteRiffSize(file, newLength);
    });
}

TResult UpdateWaveChunk(const QString& path, quint32 id, const QByteArray& prefix,
                        const QByteArray& payload) {
    return Guarded([&] {
        TWaveFile file(path);
        CheckHeader(file);
        const TWalk walk = Walk(file, id);
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
        CheckAppendFits(path, walk, payload);
        const quint64 newLength = AppendChunk(file, walk.end, id, payload);
        Retire(file, unusable, RetiredIdOf(id));
        WriteRiffSize(file, newLength);
    });
}

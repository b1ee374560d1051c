// libFuzzer target for the WAV chunk walker. Each input is written to a file and given to
// ReplaceWaveChunk and to UpdateWaveChunk; the result must equal what an independent model of
// the walk predicts: only chunk ids, the "bext" fields, the appended chunk (after a zero-filled
// gap when a cut-off "data" chunk ends the file) and the RIFF size may change, and a file with a
// bad header, a damaged chunk list, or one that would outgrow the RIFF size, must stay as it was.
//
// Input: byte 0 is the length of the payload to append (its bytes are 'p'); the rest is the file.
#include "app/IUserMessages.h"
#include "tags/WaveChunks.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QtEndian>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr quint32 ixmlId = MakeFourCC('i', 'X', 'M', 'L');
constexpr quint32 oxmlId = MakeFourCC('0', 'X', 'M', 'L');
constexpr quint32 bextId = MakeFourCC('b', 'e', 'x', 't');
constexpr quint32 xbexId = MakeFourCC('X', 'b', 'e', 'x');
constexpr qsizetype prefixSize = 338;

// Counts what is shown and what the results report: a refusal must be one of the two, once.
class TCountingMessages : public IUserMessages {
public:
    void ShowMessage(const QString&) override { ++count; }
    bool AskOkCancel(const QString&) override { return false; }
    bool AskYesNo(const QString&) override { return false; }
    qsizetype count = 0;
};

TCountingMessages messages;

void Fail(const char* what) {
    std::fprintf(stderr, "model mismatch: %s\n", what);
    std::abort();
}

QString FuzzFile() {
    static const QString path =
        QStringLiteral("/dev/shm/wave-chunk-fuzz-%1.wav").arg(::getpid());
    return path;
}

void WriteFile(const QByteArray& bytes) {
    QFile file(FuzzFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Fail("cannot write the input file");
}

struct TChunk {
    quint64 position;
    quint32 size;
};

struct TModelWalk {
    bool headerOk = false;
    bool damaged = false; // the chunk list cannot be trusted: the file must stay as it was
    QList<TChunk> matches;
    quint64 end = 0;
};

bool Printable(const char* id) {
    for (int i = 0; i < 4; ++i)
        if (static_cast<unsigned char>(id[i]) < 0x20 || static_cast<unsigned char>(id[i]) > 0x7E)
            return false;
    return true;
}

// The walk as the file format allows it: ids of printable ASCII, chunks inside the file, at
// most 10,000 of them; only a "data" chunk may lack up to 16 MiB of its data at the end. Up to
// 16 MiB of zero bytes after the last chunk are padding once a non-empty "data" chunk came.
TModelWalk ModelWalk(const QByteArray& file, quint32 id) {
    TModelWalk walk;
    walk.headerOk = file.size() >= 12 && file.startsWith("RIFF") && file.mid(8, 4) == "WAVE";
    const quint64 length = quint64(file.size());
    quint64 p = 12;
    int chunks = 0;
    bool sawAudio = false;
    while (p + 8 <= length) {
        const char* header = file.constData() + p;
        const quint32 chunkId = qFromLittleEndian<quint32>(header);
        const quint32 size = qFromLittleEndian<quint32>(header + 4);
        const QByteArray rest = file.mid(qsizetype(p));
        if (!Printable(header) && sawAudio && rest.size() <= (16 << 20) &&
            rest.count('\0') == rest.size())
            break;
        sawAudio = sawAudio || (QByteArray(header, 4) == "data" && size > 0);
        const quint64 missing = p + 8 + size > length ? p + 8 + size - length : 0;
        const bool cutOffData = QByteArray(header, 4) == "data" && missing <= (16u << 20);
        if (!Printable(header) || ++chunks > 10000 || (missing > 0 && !cutOffData)) {
            walk.damaged = true;
            return walk;
        }
        if (chunkId == id)
            walk.matches.append({p, size});
        p += 8 + quint64(size) + (size & 1);
    }
    walk.end = p;
    return walk;
}

void Put32(QByteArray& bytes, quint64 at, quint32 value) {
    qToLittleEndian(value, bytes.data() + at);
}

// Compares the file on disk with `expectedStart` (covering the old length), a zero gap up to
// `appendAt`, then `appended`, then zero padding up to `fileLength` that the chunk did not
// cover. The gap may be gigabytes of hole: only data extents are read.
void Compare(const QByteArray& expectedStart, quint64 appendAt, const QByteArray& appended,
             quint64 fileLength = 0) {
    const int fd = ::open(QFile::encodeName(FuzzFile()).constData(), O_RDONLY);
    if (fd < 0)
        Fail("cannot reopen");
    const quint64 oldLength = quint64(expectedStart.size());
    const quint64 expectedLength =
        appended.isEmpty() ? oldLength : std::max(appendAt + appended.size(), fileLength);
    if (quint64(::lseek(fd, 0, SEEK_END)) != expectedLength)
        Fail("length");
    QByteArray start(expectedStart.size(), '\0');
    if (::pread(fd, start.data(), start.size(), 0) != start.size() || start != expectedStart)
        Fail("bytes of the old length");
    for (quint64 at = oldLength; at < appendAt;) {
        const off_t data = ::lseek(fd, off_t(at), SEEK_DATA);
        if (data < 0 || quint64(data) >= appendAt)
            break;
        char block[4096];
        const qsizetype count = qsizetype(std::min<quint64>(sizeof block, appendAt - data));
        if (::pread(fd, block, count, data) != count)
            Fail("gap read");
        for (qsizetype i = 0; i < count; ++i)
            if (block[i] != 0)
                Fail("gap is not zero");
        at = quint64(data) + count;
    }
    QByteArray tail(appended.size(), '\0');
    if (::pread(fd, tail.data(), tail.size(), off_t(appendAt)) != tail.size() || tail != appended)
        Fail("appended chunk");
    const quint64 chunkEnd = appendAt + appended.size();
    QByteArray padding(qsizetype(appended.isEmpty() ? 0 : expectedLength - chunkEnd), '\0');
    if (::pread(fd, padding.data(), padding.size(), off_t(chunkEnd)) !=
            padding.size() || padding.count('\0') != padding.size())
        Fail("padding after the appended chunk");
    ::close(fd);
}

QByteArray Chunk(quint32 id, const QByteArray& payload) {
    QByteArray chunk(8, '\0');
    Put32(chunk, 0, id);
    chunk += payload;
    if (payload.size() & 1)
        chunk += '\0';
    Put32(chunk, 4, quint32(chunk.size() - 8));
    return chunk;
}

bool Fits(const TModelWalk& walk, const QByteArray& chunk) {
    return walk.end + chunk.size() - 8 <= 0xFFFFFFFFull;
}

void CheckReplace(const QByteArray& file, const QByteArray& payload) {
    WriteFile(file);
    messages.count = 0;
    messages.count += ReplaceWaveChunk(QFile::encodeName(FuzzFile()), ixmlId, oxmlId, payload).Errors().size();
    const TModelWalk walk = ModelWalk(file, ixmlId);
    const QByteArray chunk = Chunk(ixmlId, payload);
    if (!walk.headerOk || walk.damaged || !Fits(walk, chunk)) {
        if (messages.count != 1)
            Fail("refusal without exactly one message");
        return Compare(file, 0, {});
    }
    if (messages.count != 0)
        Fail("message on a good file");
    QByteArray expected = file;
    for (const TChunk& match : walk.matches)
        Put32(expected, match.position, oxmlId);
    // The appended chunk overwrites stray bytes; everything before it stays.
    expected.truncate(qsizetype(std::min<quint64>(walk.end, quint64(file.size()))));
    Put32(expected, 4, quint32(walk.end + chunk.size() - 8));
    Compare(expected, walk.end, chunk, quint64(file.size()));
}

void CheckUpdate(const QByteArray& file, const QByteArray& payload) {
    WriteFile(file);
    messages.count = 0;
    const QByteArray prefix(prefixSize, 'P');
    messages.count += UpdateWaveChunk(QFile::encodeName(FuzzFile()), bextId, prefix, payload).Errors().size();
    const TModelWalk walk = ModelWalk(file, bextId);
    const QByteArray chunk = Chunk(bextId, payload);
    if (!walk.headerOk || walk.damaged) {
        if (messages.count != 1)
            Fail("refusal without exactly one message");
        return Compare(file, 0, {});
    }
    QByteArray expected = file;
    bool updated = false;
    for (const TChunk& match : walk.matches) {
        if (match.size >= prefixSize) {
            expected.replace(qsizetype(match.position + 8), prefixSize, prefix);
            updated = true;
        } else {
            Put32(expected, match.position, xbexId);
        }
    }
    if (!updated && !Fits(walk, chunk)) {
        if (messages.count != 1)
            Fail("refusal without exactly one message");
        return Compare(file, 0, {});
    }
    if (messages.count != 0)
        Fail("message on a good file");
    if (updated)
        return Compare(expected, 0, {});
    expected.truncate(qsizetype(std::min<quint64>(walk.end, quint64(file.size()))));
    Put32(expected, 4, quint32(walk.end + chunk.size() - 8));
    Compare(expected, walk.end, chunk, quint64(file.size()));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    SetUserMessages(&messages);
    const QByteArray payload(data[0], 'p');
    const QByteArray file(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    CheckReplace(file, payload);
    CheckUpdate(file, payload);
    QFile::remove(FuzzFile());
    return 0;
}

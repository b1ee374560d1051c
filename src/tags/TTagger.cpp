#include "tags/TTagger.h"

#include "app/DiskPath.h"
#include "app/EAppError.h"
#include "app/tsound.h"
#include "tags/TBextInfo.h"
#include "tags/TWaveFile.h"
#include "tags/TagTemplates.h"
#include "tags/WaveChunks.h"

#include <QDate>

#include <memory>
#include <utility>
#include <vector>

namespace {
constexpr quint32 id3Chunk = MakeFourCC('i', 'd', '3', ' ');
constexpr quint32 retiredId3Chunk = MakeFourCC('X', 'i', 'd', '3');
// Many tools spell the ID3 chunk in capitals; readers take the first ID3 chunk of either
// spelling, so theirs is retired with ours.
constexpr quint32 upperCaseId3Chunk = MakeFourCC('I', 'D', '3', ' ');
constexpr quint32 bextChunk = MakeFourCC('b', 'e', 'x', 't');
constexpr quint32 ixmlChunk = MakeFourCC('i', 'X', 'M', 'L');
constexpr quint32 retiredIxmlChunk = MakeFourCC('0', 'X', 'M', 'L');

constexpr quint32 largestSyncsafe = 0xFFFFFF; // the limit this writer keeps to
constexpr char latin1Encoding = 0;
constexpr char utf8Encoding = 3;

bool IsAscii(const QByteArray& bytes) {
    for (char byte : bytes)
        if (static_cast<unsigned char>(byte) >= 0x80)
            return false;
    return true;
}

void CheckSize(qsizetype size) {
    if (size > qsizetype(largestSyncsafe))
        throw EAppError(QStringLiteral("Frame Size too big (%1Bytes)").arg(size));
}

// `body` is everything after the frame header: the encoding byte onward.
QByteArray Frame(const char* frameId, const QByteArray& body) {
    CheckSize(body.size());
    return QByteArray(frameId, 4) + TTagger::EncodeSyncsafe(quint32(body.size())) +
           QByteArray(2, '\0') + body;
}

QByteArray TextFrame(const char* frameId, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return Frame(frameId, (IsAscii(bytes) ? latin1Encoding : utf8Encoding) + bytes);
}

// Language "eng" and an empty, terminated short description before the text.
QByteArray CommentFrame(const QString& comment) {
    const QByteArray bytes = comment.toUtf8();
    const char encoding = IsAscii(bytes) ? latin1Encoding : utf8Encoding;
    return Frame("COMM", encoding + QByteArray("eng", 3) + '\0' + bytes);
}

// ID3v2.4 allows one "TCON" frame: the genre text stands in for the genre only when the genre
// itself is empty, in its own place after the year.
QString GenreTextFrameText(const TmyID3tag& tag) {
    return tag.Genre.isEmpty() ? tag.GenreText : QString();
}

bool IsDigits(const QString& text, qsizetype count) {
    if (text.size() != count)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// ID3v2.4 has no "TYER" and "TDAT": year and date go into one "TDRC" timestamp, "yyyy", or
// "yyyy-MM-dd" when the date holds a real day and month as DDMM (the ID3v2.3 date form).
// A year that is no four digits is written as it is; a date without a year has no place.
QString RecordingTime(const TmyID3tag& tag) {
    if (!IsDigits(tag.Year, 4) || !IsDigits(tag.Date, 4))
        return tag.Year;
    const QDate date(tag.Year.toInt(), tag.Date.mid(2, 2).toInt(), tag.Date.left(2).toInt());
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : tag.Year;
}
} // namespace

QByteArray TTagger::EncodeSyncsafe(quint32 value) {
    QByteArray bytes(4, '\0');
    bytes[0] = char((value >> 21) & 127);
    bytes[1] = char((value >> 14) & 127);
    bytes[2] = char((value >> 7) & 127);
    bytes[3] = char(value & 127);
    return bytes;
}

QByteArray TTagger::BuildId3Tag(const TmyID3tag& tag) {
    const std::vector<std::pair<const char*, QString>> textFrames = {
        {"TPE1", tag.Artist},   {"TALB", tag.Album},  {"TIT2", tag.Title},
        {"TIT3", tag.Subtitle}, {"TPE2", tag.Band},   {"TCOM", tag.Composer},
        {"TCON", tag.Genre},    {"TRCK", tag.Track},  {"TDRC", RecordingTime(tag)},
        {"TCON", GenreTextFrameText(tag)},            {"TPUB", tag.Publisher},
    };
    QByteArray frames;
    for (const auto& [frameId, text] : textFrames)
        if (!text.isEmpty())
            frames += TextFrame(frameId, text);
    if (!tag.Comment.isEmpty())
        frames += CommentFrame(tag.Comment);
    CheckSize(frames.size());
    // "ID3", version 4.0, no flags, syncsafe size of the frames.
    return QByteArray("ID3\x04\x00\x00", 6) + EncodeSyncsafe(quint32(frames.size())) + frames;
}

TResult TTagger::WriteTags(const tsound& sound) const {
    return WriteTagsTo(sound, DiskPath(sound));
}

TResult TTagger::WriteTagsTo(const tsound& sound, const QByteArray& diskPath) const {
    if (sound.Format != sfwav || !(WriteID3 || WriteBwav || WriteIXML))
        return TResult::Ok();
    // One open for all kinds: a refused file is one error, and no other opener comes between.
    std::unique_ptr<TWaveFile> file;
    try {
        file = std::make_unique<TWaveFile>(diskPath);
    } catch (const EAppError& error) {
        return TResult::Error(error.Text());
    }
    if (TResult checked = CheckWaveFile(*file); !checked)
        return checked;
    TResult result;
    if (WriteID3) {
        // A tag too big to build is reported, and the file is not touched.
        try {
            const QByteArray tag = BuildId3Tag(sound.ID3);
            result.Merge(ReplaceChunk(*file, id3Chunk, retiredId3Chunk, tag, {upperCaseId3Chunk}));
        } catch (const EAppError& error) {
            result.Merge(TResult::Error(error.Text()));
        }
    }
    if (WriteBwav) {
        const QByteArray info = TBextInfo::Build(ExpandTemplate(sound.bwav, sound),
                                                 ExpandTemplate(sound.bWav2, sound),
                                                 ExpandTemplate(sound.bWav3, sound));
        result.Merge(UpdateChunk(*file, bextChunk, info, TBextInfo::NewChunkPayload(info)));
    }
    if (WriteIXML) {
        const QString ixml = ExpandTemplate(sound.XMLdata, sound, TTemplateValues::XmlEscaped);
        result.Merge(ReplaceChunk(*file, ixmlChunk, retiredIxmlChunk, ixml.toUtf8()));
    }
    return result;
}
